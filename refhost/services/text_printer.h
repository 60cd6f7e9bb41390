#pragma once
// The host's text printer: a style that persists across prints, and the
// prints themselves. Every call is recorded in the draw log.
#include <cstdint>

#include "host_text_style.h"
#include "runtime/host_types.h"

namespace refhost {

using TextStyle = BasicTextStyle<Rgba>;

TextStyle& text_style();

}  // namespace refhost
