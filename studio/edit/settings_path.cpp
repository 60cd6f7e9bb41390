#include "settings_path.h"

#include <system_error>

namespace fs = std::filesystem;

namespace {

// Why a name is not a plain relative path, or "".
std::string NameProblem(std::string_view name) {
  if (name.empty()) return "no file named";
  if (name.find('\0') != std::string_view::npos) return "a file name cannot hold a NUL";
  // On Windows a backslash separates folders and a colon names a drive or a
  // stream: neither belongs in a name the page sends.
  if (name.find_first_of("\\:") != std::string_view::npos) {
    return "a file name uses '/' between folders, and no '\\' or ':'";
  }
  const fs::path path(name);
  if (path.is_absolute() || path.has_root_name() || path.has_root_directory()) {
    return "a file name is relative to the settings folder";
  }
  for (const fs::path& part : path) {
    if (part == "..") return "a file name cannot hold '..'";
  }
  return "";
}

// Whether `inner` is `outer` or lies under it, part by part.
bool IsInside(const fs::path& outer, const fs::path& inner) {
  auto o = outer.begin();
  auto i = inner.begin();
  for (; o != outer.end(); ++o, ++i) {
    if (o->empty()) continue;  // a trailing separator
    if (i == inner.end() || *o != *i) return false;
  }
  return true;
}

}  // namespace

ConfinedPath ConfineToFolder(const fs::path& folder, std::string_view name) {
  ConfinedPath result;
  result.error = NameProblem(name);
  if (!result.error.empty()) return result;
  std::error_code error;
  const fs::path root = fs::canonical(folder, error);
  if (error) {
    result.error = "the settings folder cannot be read";
    return result;
  }
  // weakly_canonical follows every link that exists, the last part's too.
  const fs::path file = fs::weakly_canonical(root / fs::path(name), error);
  if (error || !IsInside(root, file) || file == root) {
    result.error = "the file lies outside the settings folder";
    return result;
  }
  result.path = file;
  return result;
}
