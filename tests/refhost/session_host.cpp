#include "refhost/session_host.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "support/shipped_dictionaries.h"
#include "txd_file.h"

namespace fs = std::filesystem;

namespace {

using Dictionary = ShippedDictionary;
const auto& kDictionaries = kShippedDictionaries;

void write(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::vector<std::string> read_lines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Quoted for the shell; no path here holds a quote.
std::string quoted(const std::string& text) {
  std::string out(1, '\'');
  out.append(text).push_back('\'');
  return out;
}

}  // namespace

SessionHost::SessionHost() {
  std::string pattern = (fs::temp_directory_path() / "slatepane-session-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a work folder");
  work_ = pattern + "/";
  folder_ = work_ + "game/";
  fs::create_directories(folder_ + "slate_pane_morrowfen");
  for (const Dictionary& d : kDictionaries) {
    write(folder_ + "slate_pane_morrowfen/" + d.file,
          refhost::txd::dictionary_file(refhost::txd::named_textures(d.names)));
  }
}

SessionHost::~SessionHost() { fs::remove_all(work_); }

SessionRun SessionHost::Play(const std::string& scenario_json,
                             const std::vector<std::string>& options,
                             const std::string& build) const {
  write(work_ + "scenario.json", scenario_json);
  fs::remove(work_ + "draw.log");
  std::ostringstream command;
  command << quoted(SLATEPANE_REFHOST) << " --build " << build << " --plugin "
          << quoted(SLATEPANE_PLUGIN) << " --game-folder " << quoted(folder_) << " --scenario "
          << quoted(work_ + "scenario.json") << " --log " << quoted(work_ + "draw.log");
  for (const std::string& option : options) command << ' ' << quoted(option);
  command << " 2>" << quoted(work_ + "errors.txt");
  const int result = std::system(command.str().c_str());
  SessionRun run;
  run.status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
  run.lines = read_lines(work_ + "draw.log");
  run.errors = read_lines(work_ + "errors.txt");
  return run;
}

std::vector<std::string> FrameLines(const SessionRun& run, int frame) {
  const std::string prefix = std::to_string(frame) + " ";
  std::vector<std::string> out;
  for (const std::string& line : run.lines) {
    if (line.starts_with(prefix)) out.push_back(line.substr(prefix.size()));
  }
  return out;
}

std::vector<std::string> LinesStarting(const SessionRun& run, const std::string& prefix) {
  std::vector<std::string> out;
  for (const std::string& line : run.lines) {
    if (line.starts_with(prefix)) out.push_back(line);
  }
  return out;
}
