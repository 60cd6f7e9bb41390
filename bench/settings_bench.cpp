// The settings load against its floor: the same two files opened, read into
// a buffer and closed, and nothing else.
#include "settings_bench.h"

#include <fcntl.h>
#include <unistd.h>

#include <string>

#include "runtime/host_path.h"
#include "settings/load_hud_settings.h"
#include "settings/settings_files.h"

namespace bench {

namespace {

char file_bytes[64 * 1024];

std::string NativePath(const char* rel) {
  std::string path = host_path(rel);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

// Reads until the end of the file, as any reader that is not told the size
// must; false when it cannot be opened or read, or does not fit.
bool ReadWholeFile(const char* path) {
  const int file = open(path, O_RDONLY);
  if (file < 0) return false;
  std::size_t total = 0;
  ssize_t count;
  while ((count = read(file, file_bytes + total, sizeof file_bytes - total)) > 0) {
    total += static_cast<std::size_t>(count);
  }
  close(file);
  return count == 0 && total < sizeof file_bytes;
}

}  // namespace

void Floor(benchmark::State& state) {
  HudSettings s;
  LoadHudSettings(s);  // the colour scheme file the layout selects
  const std::string layout = NativePath(kLayoutSettingsFile);
  const std::string colours = NativePath(ColourSchemeFile(s.RADAR_TYPE));
  for ([[maybe_unused]] auto _ : state) {
    const bool read = ReadWholeFile(layout.c_str()) && ReadWholeFile(colours.c_str());
    if (!read) {
      state.SkipWithError("the shipped settings files cannot be read");
      break;
    }
    benchmark::ClobberMemory();
  }
}

void LoadSettings(benchmark::State& state) {
  HudSettings s;
  for ([[maybe_unused]] auto _ : state) {
    LoadHudSettings(s);
    benchmark::DoNotOptimize(s);
    benchmark::ClobberMemory();
  }
  if (s.RADAR_TYPE != HudSettings{}.RADAR_TYPE)
    state.SkipWithError("the shipped files were not read");
}

void LoadSettingsEdited(benchmark::State& state) {
  HudSettings s;
  for ([[maybe_unused]] auto _ : state) {
    ForgetLastLoad();
    LoadHudSettings(s);
    benchmark::DoNotOptimize(s);
    benchmark::ClobberMemory();
  }
  if (s.RADAR_TYPE != HudSettings{}.RADAR_TYPE)
    state.SkipWithError("the shipped files were not read");
}

}  // namespace bench
