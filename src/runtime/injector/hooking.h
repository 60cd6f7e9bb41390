#pragma once
// The patching layer: every read or write of host code happens inside a
// protect_guard over exactly the bytes it touches. When the protection cannot
// be changed the write is skipped, so the host never faults on our account.
#include <cstdint>

#include "runtime/injector/protect_guard.h"

namespace injector {

// Turns a host routine off: a one-byte return followed by three zero bytes.
void patch_return(void* address);

// Reads 32 bits of host code; 0 when the range cannot be made readable.
std::uint32_t read_code_dword(void* address);

}  // namespace injector
