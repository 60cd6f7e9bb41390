#pragma once
// Keys and mouse buttons are polled each frame; a key is held while bit 15 of
// GetKeyState's result is set. There is no key-up or repeat handling.
#include "runtime/os.h"

inline bool KeyHeld(int virtual_key) { return (os::key_state(virtual_key) & 0x8000) != 0; }
