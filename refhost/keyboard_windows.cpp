#include <windows.h>

#include "keyboard.h"

namespace refhost {

// GetKeyState answers from the thread's keyboard state, which this sets.
void set_key(int virtual_key, bool held) {
  BYTE state[256] = {};
  GetKeyboardState(state);
  state[virtual_key & 0xFF] = held ? 0x80 : 0x00;
  SetKeyboardState(state);
}

}  // namespace refhost
