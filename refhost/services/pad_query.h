#pragma once
// HostPad.Query: a yes/no question the host answers about a pad record, which
// the crosshairs ask of pad 0 in one camera mode. Recorded in the draw log with
// the pad's index.
#include <cstddef>

namespace refhost {

void register_pad_query_services();

namespace pad_query {

// A byte of the host's pad record that the plug-in never reads: the query's
// answer (scenario field Pad[p].Query).
constexpr std::size_t kAnswerOffset = 0x7C;

}  // namespace pad_query
}  // namespace refhost
