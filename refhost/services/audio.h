#pragma once
// The host's sound routines, as far as the HUD uses them: a front-end sound
// is recorded in the draw log with its sound number and second argument.

namespace refhost {

void register_audio_services();

}  // namespace refhost
