#include "game_files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <stdexcept>

#include "game_folder.h"

namespace refhost {

namespace {

// The file's bytes, or none when there is no file.
std::optional<std::string> read_file(const std::string& full) {
  if (folder_exists(full)) throw std::runtime_error(full + " is a folder, not a file");
  std::FILE* in = std::fopen(full.c_str(), "rb");
  if (in == nullptr) {
    // No such file, or a file where a folder of its path should be.
    if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
    throw std::runtime_error("cannot read " + full);
  }
  std::string bytes;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof(buffer), in)) > 0) bytes.append(buffer, n);
  const bool failed = std::ferror(in) != 0;
  std::fclose(in);
  if (failed) throw std::runtime_error("cannot read " + full);
  return bytes;
}

void write_file(const std::string& full, const std::string& bytes) {
  std::FILE* out = std::fopen(full.c_str(), "wb");
  if (out == nullptr) throw std::runtime_error("cannot write " + full);
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  if (std::fclose(out) != 0 || !written) throw std::runtime_error("cannot write " + full);
}

void remove_file(const std::string& full) {
  if (std::remove(full.c_str()) != 0 && errno != ENOENT && errno != ENOTDIR) {
    throw std::runtime_error("cannot remove " + full);
  }
}

void put_back(const std::string& full, const std::optional<std::string>& bytes) {
  if (bytes) {
    write_file(full, *bytes);
  } else {
    remove_file(full);
  }
}

}  // namespace

std::string game_file_problem(const std::string& path) {
  if (path.empty() || path.front() == '/') return "expected a path relative to the game folder";
  if (path.find_first_of("\\:") != std::string::npos) {
    return "separate folders with '/'; no '\\' or ':'";
  }
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t end = std::min(path.find('/', start), path.size());
    const std::string part = path.substr(start, end - start);
    if (part.empty() || part == "." || part == "..") {
      return "a path with an empty, \".\" or \"..\" part";
    }
    start = end + 1;
  }
  return "";
}

void GameFiles::apply(const std::string& folder, const FileEdit& edit) {
  const std::string full = folder + edit.path;
  if (written_.find(edit.path) == written_.end()) originals_.push_back({full, read_file(full)});
  written_[edit.path] = edit.bytes;
  make_parents(folder, edit.path);
  put_back(full, edit.bytes);
}

void GameFiles::make_parents(const std::string& folder, const std::string& path) {
  for (std::size_t slash = path.find('/'); slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    const std::string part = path.substr(0, slash);
    if (folder_exists(folder + part)) continue;
    if (!make_folder(folder + part)) throw std::runtime_error("cannot make the folder " + part);
    made_.push_back(part);
    made_full_.push_back(folder + part);
  }
}

std::string GameFiles::restore() {
  std::string problem;
  for (auto it = originals_.rbegin(); it != originals_.rend(); ++it) {
    try {
      put_back(it->path, it->bytes);
    } catch (const std::runtime_error& e) {
      if (problem.empty()) problem = e.what();
    }
  }
  for (auto it = made_full_.rbegin(); it != made_full_.rend(); ++it) {
    if (!remove_folder(*it) && problem.empty()) problem = "cannot remove the folder " + *it;
  }
  originals_.clear();
  written_.clear();
  made_.clear();
  made_full_.clear();
  return problem;
}

GameFiles& game_files() {
  static GameFiles files;
  return files;
}

}  // namespace refhost
