// The entries as strings, for tools and tests that list or point at them.
// The plug-in itself never asks: its typed lookups read the file's bytes in
// place, and this file is not part of it.
#include "settings/ini_file.h"

IniEntry IniFile::EntryOf(const IniLine& line) const {
  IniEntry entry;
  entry.key = std::string(text_.view(line.key, line.key_size));
  entry.value = std::string(text_.view(line.value, line.value_size));
  entry.absent = line.absent;
  if (!line.absent) {
    entry.line = line.number;
    entry.key_column = line.key_size > 0 ? line.key - line.start + 1 : 0;
    entry.value_column = line.value_size > 0 ? line.value - line.start + 1 : 0;
  }
  return entry;
}

const std::vector<IniEntry>& IniFile::entries() const {
  while (entries_.size() < lines_.size()) entries_.push_back(EntryOf(lines_[entries_.size()]));
  return entries_;
}

IniEntry& IniFile::Lookup(std::string_view key) {
  const std::uint32_t line = Find(IniKey(key));
  entries();
  return entries_[line];
}
