// Fuzz target: the input is a settings file. It goes through the reader in
// memory, against the reader as first written, and through LoadHudSettings as
// the layout file and as the colour scheme file it selects, every input
// (settings_oracle.h). The disk makes it slow: settings_memory_fuzz.cpp
// checks the reader alone at many times the rate.
#include <cstddef>
#include <cstdint>
#include <string>

#include "settings/ini_file.h"
#include "settings_oracle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzzing::SettingsText(data, size);
  IniFile parsed = IniFile::FromText(text);
  fuzzing::CompareWithReference(parsed, text);
  fuzzing::CompareLoadFromDisk(text, parsed);
  return 0;
}
