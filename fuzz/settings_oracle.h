#pragma once
// What the settings fuzz targets check: the plug-in's reader against the
// reader as first written (the same entries, the same answer to every typed
// lookup of the file's first keys, floats to the bit), and LoadHudSettings,
// reading the bytes as the layout file and as the colour scheme file it
// selects from disk, against the records the reader fills in memory. A
// difference aborts with the key it was found at.
#include <cstddef>
#include <cstdint>
#include <string>

#include "settings/ini_file.h"

namespace fuzzing {

// The input as a settings file. An input that starts with "#!long\n" and has
// at most 16 bytes more stands for a line of a megabyte: those bytes, repeated.
std::string SettingsText(const std::uint8_t* data, std::size_t size);

// `ours` holds the plug-in reader's parse of `text`.
void CompareWithReference(IniFile& ours, const std::string& text);

// Writes `text` as both files and loads them; `parsed` holds the reader's
// parse of `text`.
void CompareLoadFromDisk(const std::string& text, IniFile& parsed);

}  // namespace fuzzing
