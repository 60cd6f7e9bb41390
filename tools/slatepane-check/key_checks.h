#pragma once
// Findings about the keys of a settings file, before any value is looked at:
// how the file is encoded, keys the plug-in does not know, keys set twice.
#include <string_view>
#include <vector>

#include "finding.h"
#include "settings_file.h"

// The names the messages give the two kinds of file.
struct FileNames {
  std::string_view layout;   // "slatepane_VC.ini"
  std::string_view colours;  // the colour scheme file in use
};

// True when the file was saved as UTF-16: the reader then finds no key at all.
bool IsUtf16(const SettingsFile& file);

// A byte-order mark at the start of the file, and the key it hides.
std::vector<Finding> CheckByteOrderMark(SettingsFile& file);

// Keys the file does not read, each with the nearest key it does read (or the
// file that reads it).
std::vector<Finding> CheckUnknownKeys(SettingsFile& file, const FileNames& names);

// Known keys set on more than one line: every later line is ignored.
std::vector<Finding> CheckDuplicateKeys(const SettingsFile& file);
