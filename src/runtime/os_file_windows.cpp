// Opening plug-in files on Windows, apart from the rest of os_windows.cpp so
// that tools reading the settings files need only this.
#include "runtime/os.h"

namespace os {

std::FILE* open_read(const char* path) { return std::fopen(path, "rb"); }

}  // namespace os
