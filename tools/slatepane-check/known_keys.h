#pragma once
// The keys each kind of settings file reads, from the plug-in's own key table.
#include <string_view>
#include <vector>

enum class FileRole { kLayout, kColourScheme };

// Every key the file reads, in the order the reader asks for them; the layout
// file's list ends with RELOAD_SETTINGS.
const std::vector<std::string_view>& KnownKeys(FileRole role);

bool IsKnownKey(FileRole role, std::string_view key);
