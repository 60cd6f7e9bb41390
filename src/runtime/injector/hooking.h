#pragma once
// The patching layer: every read or write of host code happens inside a
// protect_guard over exactly the bytes it touches. When the protection cannot
// be changed the access is skipped (reads give 0), so the host never faults on
// our account.
//
// Three ways of changing the host:
//   patch_return   turns a host routine off (not restorable; repeat as needed)
//   patch_jump     sends a host routine to one of ours (not restorable)
//   function_hooker
//                  intercepts one 5-byte relative call; restored when the last
//                  hooker of the site goes
#include <cstdint>

#include "runtime/injector/function_hooker.h"
#include "runtime/injector/protect_guard.h"
#include "runtime/injector/scoped_basic.h"

namespace injector {

// Turns a host routine off: a one-byte return followed by three zero bytes.
void patch_return(void* address);

// Reads 32 bits of host code; 0 when the range cannot be made readable.
std::uint32_t read_code_dword(void* address);

// Writes `jmp target` (E9 rel32) at `address`. Both guards (opcode, operand)
// are taken before any byte is written, so a refused protection change leaves
// the old instruction whole rather than half of each.
void patch_jump(void* address, void* target);

// Writes `call target` (E8 rel32) at `address`, with the same all-or-nothing
// rule, and returns the destination the instruction had before (see
// call_target_of).
void* patch_call(void* address, void* target);

// Where the instruction at `address` goes:
//   E8/E9 rel32        address + 5 + rel32, modulo 2^32
//   FF 15/FF 25 [m32]  the pointer stored at m32
//   anything else      null
// Null as well when a byte on the way cannot be read.
void* call_target_of(void* address);

}  // namespace injector
