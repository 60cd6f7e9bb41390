#pragma once
#include <benchmark/benchmark.h>

namespace bench {

// Opening, reading and closing the layout file and the colour scheme file it
// selects, into a buffer: what any reader of the two files pays.
void Floor(benchmark::State& state);

// LoadHudSettings on the shipped files, as every frame runs it: the files
// read as at the last load.
void LoadSettings(benchmark::State& state);

// The same when the files were edited since: read and parsed.
void LoadSettingsEdited(benchmark::State& state);

}  // namespace bench
