#pragma once
// One settings file as the checker sees it: parsed by the plug-in's own
// reader, with the entries that came from the file kept apart from those the
// reader's lookups append for missing keys.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "known_keys.h"
#include "settings/ini_file.h"

struct SettingsFile {
  FileRole role;
  std::string path;             // as shown in the report
  std::string name;             // the path's last part, for messages
  bool readable = false;        // false when it cannot be opened or read
  IniFile ini;                  // empty when not readable
  std::vector<IniEntry> lines;  // the entries read from the file, in file order
};

SettingsFile OpenSettingsFile(FileRole role, std::string path);

// The entry the reader uses for key (its first line), if the file has one.
std::optional<IniEntry> EntryThatCounts(SettingsFile& file, std::string_view key);
