#pragma once
// The host's 16-bit text routines HostWide.Copy, HostWide.Equal and
// HostWide.Length. They are real text operations, bounded to 256 characters
// (the size of the host's text fields) whatever limit the caller passes:
// - Copy writes at most min(limit, 256) characters, terminator included, and
//   always terminates the destination within them, so a source without its
//   terminator is cut rather than copied past the destination's field;
// - Equal compares at most min(limit, 256) characters;
// - Length counts at most 256.
// Each call is recorded with the texts it was given named by the host
// variable they lie in ("HostHelp.Message", "HostText.BigMessageSlots+512"),
// "(unknown)" for memory outside the host's variables, null for null.
#include <string>

namespace refhost {

void register_wide_text_services();

namespace wide_text {

constexpr int kBound = 256;

// The log's name for a pointer into host memory, quotes included.
std::string variable_label(const void* where);

}  // namespace wide_text
}  // namespace refhost
