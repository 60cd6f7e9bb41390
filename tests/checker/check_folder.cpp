#include "check_folder.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "check_run.h"

#ifndef SLATEPANE_DATA_DIR
#error "SLATEPANE_DATA_DIR must name the repository's data/slate_pane_morrowfen folder"
#endif

CheckFolder::CheckFolder() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "slatepane-check-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a folder");
  game_ = pattern;
  std::filesystem::create_directories(game_ + "/slate_pane_morrowfen");
  std::filesystem::copy(SLATEPANE_DATA_DIR "/color_configs",
                        game_ + "/slate_pane_morrowfen/color_configs");
}

CheckFolder::~CheckFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(game_, ignored);
}

void CheckFolder::Write(const std::string& relative, const std::string& bytes) const {
  const std::string path = game_ + "/slate_pane_morrowfen/" + relative;
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path);
}

void CheckFolder::Remove(const std::string& relative) const {
  std::filesystem::remove(game_ + "/slate_pane_morrowfen/" + relative);
}

CheckFolder::Result CheckFolder::Check(std::vector<std::string> options) const {
  options.push_back(game_);
  std::ostringstream out, err;
  const int status = RunCheck(options, out, err);
  std::string text = out.str();
  const std::string prefix = game_ + "/";
  for (std::size_t at; (at = text.find(prefix)) != std::string::npos;)
    text.erase(at, prefix.size());
  return {status, text, err.str()};
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}
