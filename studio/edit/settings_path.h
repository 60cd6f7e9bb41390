#pragma once
// Confines every file the studio reads or writes to one settings folder: a
// name given by the page is a relative path of plain parts, and the file it
// names, links followed, must lie inside the folder.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

struct ConfinedPath {
  std::filesystem::path path;  // the file inside the folder, links resolved
  std::string error;           // why the name was refused; empty when it was not
};

// `folder` must exist. The name is refused when it is empty, absolute, holds
// a "..", a NUL or a backslash, or leads out of the folder through a link.
ConfinedPath ConfineToFolder(const std::filesystem::path& folder, std::string_view name);
