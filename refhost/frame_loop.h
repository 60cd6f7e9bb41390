#pragma once
// The host's frame loop, as the plug-in meets it:
//   frame 0:      scenario start state; renderer start-up call
//   frame 1..N:   scenario changes for the frame; clock advance; then the calls
//                 frame step, HUD draw, second draw, radar update (two sites),
//                 radar set-up, in that order
//   frame N + 1:  renderer shutdown call
// Each call goes through the host routine that holds its call site, so an
// intercepted site runs the plug-in's handlers.
#include "host_image.h"
#include "scenario.h"

namespace refhost {

// Returns how many bytes of the image the calls of the frames changed (the
// host's own scenario and clock writes excluded) when `count_writes` is set.
std::size_t play(HostImage& image, const Scenario& scenario, int frames, bool count_writes = false);

// Applies the screen, clock and start state of a scenario (frame 0).
void set_up(HostImage& image, const Scenario& scenario);

// Play in stages, for callers that watch each frame on its own (the
// benchmark, the allocation count): the renderer start-up call; a frame's
// scenario changes and clock advance (the host's own writes); the frame's
// calls, in which the plug-in runs; the renderer shutdown call after `frames`.
void start_renderer(HostImage& image);
void begin_frame(HostImage& image, const Scenario& scenario, int frame);
void run_frame_calls(HostImage& image);
void stop_renderer(HostImage& image, int frames);

}  // namespace refhost
