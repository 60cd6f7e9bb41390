#pragma once
// The studio's edits of one settings folder: each edit changes one value
// (value_edit.h) and is written atomically; the first write of a file in a
// session keeps its original bytes as "<file>.bak"; a file that changed on
// disk since the session last read or wrote it is not written; edits undo
// and redo in order, and undoing all of them gives back the original bytes.
// Every method may be called from any thread.
#include <cstddef>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "exclusive.h"

enum class EditStatus {
  kDone,
  kRefusedPath,    // the name leads outside the folder or is no plain relative path
  kBadValue,       // the value is not one settings value
  kChangedOnDisk,  // the file changed since it was read: reload before editing
  kMissing,        // the file cannot be read
  kNothingToDo,    // no edit to undo or redo
  kWriteFailed,
};

struct EditResult {
  EditStatus status = EditStatus::kDone;
  std::string message;  // for the user; empty when done
  std::string file;     // the file the step touched
  std::string bytes;    // its bytes now (a read's result)

  bool ok() const { return status == EditStatus::kDone; }
};

class EditSession {
 public:
  explicit EditSession(std::filesystem::path folder);

  // Reads the file; its bytes become the ones the next edit expects on disk.
  EditResult Read(std::string_view file);
  // Sets key to value in file: the key's first line, or a line appended.
  EditResult Set(std::string_view file, std::string_view key, std::string_view value);
  // Several keys of one file in one write, undone as one step.
  EditResult SetMany(std::string_view file,
                     const std::vector<std::pair<std::string, std::string>>& values);
  EditResult Undo();
  EditResult Redo();

  std::size_t undo_count() const;
  std::size_t redo_count() const;
  const std::filesystem::path& folder() const { return folder_; }

 private:
  struct Step {
    std::string file;
    std::string before;
    std::string after;
  };

  EditResult Write(const std::string& file, std::string_view expected, std::string_view bytes);
  EditResult Replay(std::vector<Step>& from, std::vector<Step>& to, bool forward);

  std::filesystem::path folder_;
  mutable Exclusive mutex_;
  std::unordered_map<std::string, std::string> seen_;  // bytes last read or written
  std::set<std::string> backed_up_;
  std::vector<Step> undo_;
  std::vector<Step> redo_;
};
