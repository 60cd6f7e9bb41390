#pragma once
// The text printer's style, as the reference host keeps it (one record for
// both, host_text_style.h), with what the preview does to it.
#include <optional>

#include "colour.h"
#include "host_text_style.h"
#include "log_call.h"

namespace preview {

using TextStyle = refhost::BasicTextStyle<Rgba>;

// A colour argument at `index` (four numbers), or nothing for the -1 the log
// writes in place of a missing colour.
std::optional<Rgba> colour_arg(const LogCall& call, std::size_t index);

// Applies a HostText style call; false for any other call. The switches the
// picture does not use (ModeA ... ModeL, SetModeI) are taken and ignored. A
// call with malformed arguments throws LogError and changes nothing.
bool apply_text_style(TextStyle& style, const LogCall& call);

}  // namespace preview
