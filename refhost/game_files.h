#pragma once
// Files of the game folder that a scenario writes, replaces or removes while
// the game runs (a settings file, a colour file, a dictionary). Whatever it
// touches is kept as it was first found and put back by restore(), so the
// folder holds afterwards exactly what it held before the run.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace refhost {

// One change: the file's new bytes, or no bytes to remove it.
struct FileEdit {
  std::string path;  // relative to the game folder, parts separated by '/'
  std::optional<std::string> bytes;
};

// Empty when `path` names a file inside the game folder; otherwise what is
// wrong with it (absolute, empty parts, "." or "..", '\' or ':').
std::string game_file_problem(const std::string& path);

class GameFiles {
 public:
  // Makes the change under `folder` (ending in a separator), making missing
  // folders on the way. Throws std::runtime_error when the file system
  // refuses; what was done before that is still put back by restore().
  void apply(const std::string& folder, const FileEdit& edit);

  // Puts every touched file back and removes the folders made, newest first.
  // Empty when all went back; otherwise the first thing that did not.
  std::string restore();

  // The files as the scenario left them (bytes, or none when removed) and
  // the folders it made, by their relative paths.
  const std::map<std::string, std::optional<std::string>>& written() const { return written_; }
  const std::vector<std::string>& made_folders() const { return made_; }

 private:
  struct Original {
    std::string path;  // full
    std::optional<std::string> bytes;
  };
  void make_parents(const std::string& folder, const std::string& path);

  std::vector<Original> originals_;  // in the order first touched
  std::map<std::string, std::optional<std::string>> written_;
  std::vector<std::string> made_;       // relative, in the order made
  std::vector<std::string> made_full_;  // the same, full paths
};

// The game folder's edits of the run.
GameFiles& game_files();

}  // namespace refhost
