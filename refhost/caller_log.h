#pragma once
// Which plug-in code made each host call. While on, every implemented host
// routine's entry jumps through a small trampoline that notes the return
// address on the stack, the address in the plug-in right after its call, and
// the draw log keeps it with the call. Off by default, so the image's code is
// otherwise the same; it must be switched on before the image is built.
#include <cstdint>
#include <iosfwd>
#include <vector>

namespace refhost::caller_log {

void enable();
bool enabled();

// Where the host routine `id` at `address` should jump to reach `target`
// through its trampoline (target itself while off).
std::uint32_t route(std::uint32_t id, std::uint32_t target);

// The return address of the host call in progress, then 0 until the next
// routine entry: calls that do not come through an entry read 0.
std::uint32_t take_caller();

// One line per recorded call: the return address as an offset from the
// plug-in's base (0x…), or "-" for a call that did not come from the plug-in.
void write(std::ostream& out, const std::vector<std::uint32_t>& callers, std::uint32_t plugin_base,
           std::uint32_t plugin_size);

}  // namespace refhost::caller_log
