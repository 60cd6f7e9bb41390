#include "settings_oracle.h"

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "os_shim.h"
#include "settings/hud_settings.h"
#include "settings/load_hud_settings.h"
#include "settings/read_settings.h"
#include "settings/reference_reader.h"
#include "settings/setting_keys.h"
#include "settings/settings_files.h"

namespace fuzzing {

namespace {

constexpr std::string_view kLongLine = "#!long\n";
constexpr std::size_t kLongLineBytes = 1 << 20;
constexpr std::size_t kLongLineUnit = 16;
constexpr std::size_t kComparedKeys = 4;

[[noreturn]] void Mismatch(const char* what, std::string_view key) {
  std::fprintf(stderr, "settings fuzz: %s differs for key [%.*s]\n", what,
               static_cast<int>(key.size()), key.data());
  std::abort();
}

std::uint32_t Bits(float value) { return std::bit_cast<std::uint32_t>(value); }

void CompareLookups(IniFile& ours, reference::Reader& theirs, std::string_view key) {
  if (Bits(ours.ReadFloat(key, -7.5f)) != Bits(theirs.ReadFloat(key, -7.5f)))
    Mismatch("ReadFloat", key);
  if (ours.ReadInt(key, -7) != theirs.ReadInt(key, -7)) Mismatch("ReadInt", key);
  if (ours.ReadBool(key) != theirs.ReadBool(key)) Mismatch("ReadBool", key);
  const FloatPair a = ours.ReadPair(key, {0.44f, 0.859f});
  const FloatPair b = theirs.ReadPair(key, {0.44f, 0.859f});
  if (Bits(a.first) != Bits(b.first) || Bits(a.second) != Bits(b.second)) Mismatch("ReadPair", key);
  if (!(ours.ReadColour(key, {1, 2, 3, 4}) == theirs.ReadColour(key, {1, 2, 3, 4})))
    Mismatch("ReadColour", key);
}

// The records filled from the text in memory, as LoadHudSettings fills them
// from the files.
HudSettings FromMemory(IniFile& file) {
  HudSettings s;
  ReadLayoutSettings(file, s);
  ReadColourScheme(file, s.colours);
  s.RELOAD_SETTINGS = ReadReloadSwitch(file);
  return s;
}

// A folder of its own, removed at exit; kept in a string that is never
// destroyed, since the exit handler reads it after static destructors may run.
const std::string& DataFolder() {
  static const std::string& folder = *new std::string([] {
    namespace fs = std::filesystem;
    std::string made = (fs::temp_directory_path() / "slatepane-settings-fuzz-XXXXXX").string();
    if (mkdtemp(made.data()) == nullptr) std::abort();
    fs::create_directories(fs::path(made) / "slate_pane_morrowfen" / "color_configs");
    refhost::os_shim::set_module_file_name(made + "/morrowfen.exe");
    return made;
  }());
  static const bool cleaned_at_exit = std::atexit([] { std::filesystem::remove_all(folder); }) == 0;
  (void)cleaned_at_exit;
  return folder;
}

void WriteFile(std::string_view file, const std::string& text) {
  std::string path = DataFolder() + "/" + std::string(file);
  for (char& c : path) c = c == '\\' ? '/' : c;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  // A file left as it was would read as a difference the reader never made.
  if (!out) std::abort();
}

}  // namespace

std::string SettingsText(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  if (!text.starts_with(kLongLine)) return text;
  const std::string unit = text.substr(kLongLine.size());
  // Only a short rest stands for a long line: a megabyte for every input that
  // happens to start so would slow the fuzzer to a crawl.
  if (unit.empty() || unit.size() > kLongLineUnit) return text;
  std::string long_text;
  while (long_text.size() < kLongLineBytes) long_text += unit;
  return long_text;
}

// The entries where they stand, then the file's first keys through every
// typed lookup.
void CompareWithReference(IniFile& ours, const std::string& text) {
  reference::Reader theirs(text);
  const auto& a = ours.entries();
  const auto& b = theirs.entries();
  if (a.size() != b.size()) Mismatch("entry count", "");
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (a[k].key != b[k].key || a[k].value != b[k].value || a[k].line != b[k].line ||
        a[k].key_column != b[k].key_column || a[k].value_column != b[k].value_column)
      Mismatch("entry", b[k].key);
  }
  // A key the file does not hold reads as its default in both; the keys it
  // holds are where the two can differ. The reference reads each value with a
  // stream of its own, which is slow: the first few keys keep the fuzzer fast,
  // and the fuzzer moves any line to the front.
  for (std::size_t k = 0; k < b.size() && k < kComparedKeys; ++k)
    CompareLookups(ours, theirs, b[k].key);
}

// The same text as the layout file and as the colour scheme file it selects:
// the load gives what the reader gives in memory.
void CompareLoadFromDisk(const std::string& text, IniFile& parsed) {
  const HudSettings expected = FromMemory(parsed);
  WriteFile(kLayoutSettingsFile, text);
  WriteFile(ColourSchemeFile(expected.RADAR_TYPE), text);
  HudSettings loaded;
  LoadHudSettings(loaded);
  if (!(loaded == expected)) Mismatch("LoadHudSettings", "");
}

}  // namespace fuzzing
