// Opening plug-in files on Linux, apart from the Win32 stand-ins of
// os_native.cpp so that tools reading the settings files need only this.
#include <string>

#include "runtime/os.h"

namespace os {

std::FILE* open_read(const char* path) {
  std::string native(path);
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  return std::fopen(native.c_str(), "rb");
}

}  // namespace os
