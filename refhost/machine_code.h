#pragma once
// Small pieces of i386 machine code the reference host places in its image.
// `at` is where the bytes go; addresses are where they will run.
#include <cstddef>
#include <cstdint>

namespace refhost::machine_code {

// jmp rel32 to target (5 bytes).
std::size_t write_jump(std::uint8_t* at, std::uint32_t target);

// A routine that records its own call and returns 0 (and 0.0 on the x87 stack
// when it returns a float), popping stack_bytes for callee-cleans conventions:
//   push ebp; mov ebp, esp; push ebx; push id; call recorder; add esp, 4;
//   pop ebx; pop ebp; xor eax, eax; [fldz]; ret [n]
// Its entry is a real prologue, so a return written over it takes effect.
std::size_t write_stub(std::uint8_t* at, std::uint32_t id, std::uint32_t stack_bytes,
                       bool returns_float, std::uint32_t recorder);

// A host routine holding one intercepted call site: push ebp; mov ebp, esp;
// call <site target>; pop ebp; ret. The call instruction lies at `at` + 3.
// The site target (at `at` + 0x20) reports to `recorder` with the site's
// index and returns its answer: push index; call recorder; add esp, 4; ret.
std::size_t write_site_routine(std::uint8_t* at, std::uint32_t index, std::uint32_t recorder);
constexpr std::uint32_t kSiteOffset = 3;

// The build probe: a routine starting with 55 89 E5 53 that does nothing.
std::size_t write_probe_routine(std::uint8_t* at);

// Address of a pointer as the 32-bit host sees it.
std::uint32_t address_of(const void* pointer);

}  // namespace refhost::machine_code
