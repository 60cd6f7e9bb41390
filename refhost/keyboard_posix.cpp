#include "keyboard.h"
#include "os_shim.h"

namespace refhost {

void set_key(int virtual_key, bool held) { os_shim::set_key_down(virtual_key, held); }

}  // namespace refhost
