#include "edit_session.h"

#include <mutex>
#include <optional>
#include <utility>

#include "file_bytes_io.h"
#include "settings_path.h"
#include "value_edit.h"

namespace {

EditResult Failed(EditStatus status, std::string message, std::string file = "") {
  EditResult result;
  result.status = status;
  result.message = std::move(message);
  result.file = std::move(file);
  return result;
}

EditResult Done(std::string file, std::string bytes) {
  EditResult result;
  result.file = std::move(file);
  result.bytes = std::move(bytes);
  return result;
}

}  // namespace

EditSession::EditSession(std::filesystem::path folder) : folder_(std::move(folder)) {}

EditResult EditSession::Read(std::string_view file) {
  const ConfinedPath path = ConfineToFolder(folder_, file);
  if (!path.error.empty()) return Failed(EditStatus::kRefusedPath, path.error, std::string(file));
  // Read under the lock: bytes read before another thread's write must not
  // become the ones the next edit expects.
  std::lock_guard<Exclusive> lock(mutex_);
  std::optional<std::string> bytes = ReadWholeFile(path.path);
  if (!bytes) return Failed(EditStatus::kMissing, "cannot read " + std::string(file));
  seen_[std::string(file)] = *bytes;
  return Done(std::string(file), std::move(*bytes));
}

EditResult EditSession::Set(std::string_view file, std::string_view key, std::string_view value) {
  return SetMany(file, {{std::string(key), std::string(value)}});
}

EditResult EditSession::SetMany(std::string_view file,
                                const std::vector<std::pair<std::string, std::string>>& values) {
  for (const auto& [key, value] : values) {
    if (const std::optional<std::string> problem = ValueTextProblem(value)) {
      return Failed(EditStatus::kBadValue, key + ": " + *problem, std::string(file));
    }
    if (const std::optional<std::string> problem = ValueTextProblem(key)) {
      return Failed(EditStatus::kBadValue, "bad key: " + *problem, std::string(file));
    }
    if (key.find_first_of(" \t=") != std::string::npos) {
      return Failed(EditStatus::kBadValue, "a key holds no space, tab or '='", std::string(file));
    }
  }
  std::lock_guard<Exclusive> lock(mutex_);
  const std::string name(file);
  auto seen = seen_.find(name);
  if (seen == seen_.end()) {
    // Never read: the bytes on disk now are the ones this edit starts from.
    const ConfinedPath path = ConfineToFolder(folder_, file);
    if (!path.error.empty()) return Failed(EditStatus::kRefusedPath, path.error, name);
    std::optional<std::string> bytes = ReadWholeFile(path.path);
    if (!bytes) return Failed(EditStatus::kMissing, "cannot read " + name, name);
    seen = seen_.emplace(name, std::move(*bytes)).first;
  }
  const std::string before = seen->second;
  std::string after = before;
  for (const auto& [key, value] : values) after = WithValue(after, key, value);
  EditResult result = Write(name, before, after);
  if (!result.ok()) return result;
  if (after != before) {
    undo_.push_back({name, before, after});
    redo_.clear();
  }
  return result;
}

EditResult EditSession::Undo() {
  std::lock_guard<Exclusive> lock(mutex_);
  return Replay(undo_, redo_, false);
}

EditResult EditSession::Redo() {
  std::lock_guard<Exclusive> lock(mutex_);
  return Replay(redo_, undo_, true);
}

// Moves the last step of `from` to `to` once its file is written back.
EditResult EditSession::Replay(std::vector<Step>& from, std::vector<Step>& to, bool forward) {
  if (from.empty())
    return Failed(EditStatus::kNothingToDo, forward ? "nothing to redo" : "nothing to undo");
  const Step& step = from.back();
  EditResult result =
      Write(step.file, forward ? step.before : step.after, forward ? step.after : step.before);
  if (!result.ok()) return result;
  to.push_back(std::move(from.back()));
  from.pop_back();
  return result;
}

// Writes bytes over the file if it still holds `expected`; the first write of
// a file keeps its original beside it.
EditResult EditSession::Write(const std::string& file, std::string_view expected,
                              std::string_view bytes) {
  const ConfinedPath path = ConfineToFolder(folder_, file);
  if (!path.error.empty()) return Failed(EditStatus::kRefusedPath, path.error, file);
  const std::optional<std::string> on_disk = ReadWholeFile(path.path);
  if (!on_disk) return Failed(EditStatus::kMissing, "cannot read " + file, file);
  if (*on_disk != expected) {
    return Failed(EditStatus::kChangedOnDisk,
                  file + " changed on disk since the studio read it; reload it to edit it", file);
  }
  if (!backed_up_.contains(file)) {
    const ConfinedPath backup = ConfineToFolder(folder_, file + ".bak");
    const std::string error = backup.error.empty() ? ReplaceFileAtomically(backup.path, *on_disk)
                                                   : "the backup " + file + ".bak " + backup.error;
    if (!error.empty()) return Failed(EditStatus::kWriteFailed, error, file);
    backed_up_.insert(file);
  }
  if (const std::string error = ReplaceFileAtomically(path.path, bytes); !error.empty()) {
    return Failed(EditStatus::kWriteFailed, error, file);
  }
  seen_[file] = std::string(bytes);
  return Done(file, std::string(bytes));
}

std::size_t EditSession::undo_count() const {
  std::lock_guard<Exclusive> lock(mutex_);
  return undo_.size();
}

std::size_t EditSession::redo_count() const {
  std::lock_guard<Exclusive> lock(mutex_);
  return redo_.size();
}
