#pragma once
// The player's game folder as it was before the plug-in ran: the plug-in reads
// its files there and must never write, add or remove any.
#include <map>
#include <string>

namespace refhost {

struct FolderSnapshot {
  // Every entry under the folder by its relative path: a file's bytes, a
  // link's destination (links are not followed), or that it is a folder.
  explicit FolderSnapshot(const std::string& folder);
  std::map<std::string, std::string> entries;
};

// Empty when the folder holds exactly what it held; otherwise the first
// entry that differs and how.
std::string check_untouched(const FolderSnapshot& before, const std::string& folder);

}  // namespace refhost
