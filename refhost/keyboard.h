#pragma once
// Key states as the plug-in reads them with GetKeyState.

namespace refhost {

void set_key(int virtual_key, bool held);

}  // namespace refhost
