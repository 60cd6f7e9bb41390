#pragma once
// The host's frame loop, as the plug-in meets it:
//   frame 0:      scenario start state; renderer start-up call
//   frame 1..N:   the renderer shutdown call if the frame's step stops the
//                 renderer; scenario changes for the frame; clock advance; the
//                 renderer start-up call if the step starts it; then, while
//                 the renderer runs, the calls frame step, HUD draw, second
//                 draw, radar update (two sites), radar set-up, in that order;
//                 last the step's file edits, made while the frame is shown
//   frame N + 1:  renderer shutdown call, if the renderer runs
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
// renderer changes, scenario changes and clock advance; the frame's calls, in
// which the plug-in runs; the frame's file edits; the renderer shutdown call
// after `frames`.
void start_renderer(HostImage& image);
void begin_frame(HostImage& image, const Scenario& scenario, int frame);
void run_frame_calls(HostImage& image);
void end_frame(const Scenario& scenario, int frame);
void stop_renderer(HostImage& image, int frames);

}  // namespace refhost
