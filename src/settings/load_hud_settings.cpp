#include "settings/load_hud_settings.h"

#include <utility>

#include "runtime/host_path.h"
#include "settings/file_bytes.h"

namespace {

// The bytes of both files as one load read them. A missing or unreadable file
// reads as no bytes, which parses as an empty file would.
struct FileBytes {
  ByteBuffer layout;
  ByteBuffer colours;
  const char* colour_path = nullptr;  // the colour scheme file read, or none

  bool operator==(const FileBytes& other) const {
    return colour_path == other.colour_path && layout.view() == other.layout.view() &&
           colours.view() == other.colours.view();
  }
};

// Parsing is a function of the bytes alone: while both files read as they did
// at the last parse, its record stands and only the reading is repeated. All
// of it is kept from load to load for the buffers too, so that a load once the
// buffers have grown to the files allocates nothing.
constinit FileBytes read_now;
constinit FileBytes parsed;
constinit HudSettings parsed_settings;
constinit bool parsed_valid = false;
constinit IniFile layout_file;
constinit IniFile colour_file;

// The colour scheme file is the one the last parse selected: if the layout
// still reads the same, so does its RADAR_TYPE.
void ReadBoth() {
  ReadFileBytes(host_path(kLayoutSettingsFile), read_now.layout);
  read_now.colour_path = parsed_valid ? ColourSchemeFile(parsed_settings.RADAR_TYPE) : nullptr;
  read_now.colours.clear();
  if (read_now.colour_path != nullptr) {
    ReadFileBytes(host_path(read_now.colour_path), read_now.colours);
  }
}

void ParseBoth(HudSettings& s) {
  layout_file.Parse(read_now.layout.view());
  ReadLayoutSettings(layout_file, s);
  const char* const colour_path = ColourSchemeFile(s.RADAR_TYPE);
  if (colour_path != read_now.colour_path) {
    read_now.colour_path = colour_path;
    ReadFileBytes(host_path(colour_path), read_now.colours);
  }
  colour_file.Parse(read_now.colours.view());
  ReadColourScheme(colour_file, s.colours);
  s.RELOAD_SETTINGS = ReadReloadSwitch(layout_file);
}

}  // namespace

void LoadHudSettings(HudSettings& s) noexcept {
  try {
    ReadBoth();
    if (parsed_valid && read_now == parsed) {
      s = parsed_settings;
      return;
    }
    parsed_valid = false;
    ParseBoth(s);
    std::swap(read_now, parsed);
    parsed_settings = s;
    parsed_valid = true;
  } catch (...) {
    // Only allocation can fail here. The host must never see an exception, and
    // a half-written record would mix two loads: fall back to the defaults.
    s = HudSettings{};
  }
}

void ForgetLastLoad() noexcept { parsed_valid = false; }
