#pragma once
// Whole-file reads and atomic replacements. A replacement is written to a new
// file in the same folder, flushed, and renamed over the old one, so that a
// reader (the plug-in, every frame) sees either the old bytes or the new ones
// and a crash midway leaves the old file whole.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The file's bytes, or nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Replaces (or creates) the file with these bytes; "" on success, else why not.
std::string ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);
