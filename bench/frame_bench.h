#pragma once
#include <benchmark/benchmark.h>

namespace bench {

// One whole frame of the busy scenario with the host's draw log switched
// off: the plug-in's work and the host services it calls.
void HudFrame(benchmark::State& state);

// The protection changes that frame makes (three suppressed host routines
// patched every frame, two changes apiece), played alone: what the host's
// VirtualProtect costs, apart from the plug-in's work.
void ProtectionChanges(benchmark::State& state);

// The texture-dictionary store lookups by name that frame makes (64 for
// each map tile drawn), played alone through the host's routine.
void TextureLookups(benchmark::State& state);

// The same frame with the draw log on, each frame's lines let go again: less
// the frame above, what the reference host's recording costs.
void HudFrameRecorded(benchmark::State& state);

// From loading the plug-in to the end of the first frame: its static
// initialisers, the renderer start (texture sets) and frame 1.
void LoadToFirstFrame(benchmark::State& state);

}  // namespace bench
