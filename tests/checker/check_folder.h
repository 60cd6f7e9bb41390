#pragma once
// A game folder of its own for one run of slatepane-check, holding the shipped
// colour schemes; the test writes the layout file it needs.
#include <string>
#include <vector>

class CheckFolder {
 public:
  CheckFolder();
  ~CheckFolder();
  CheckFolder(const CheckFolder&) = delete;
  CheckFolder& operator=(const CheckFolder&) = delete;

  // Paths relative to the folder's slate_pane_morrowfen, with '/'.
  void Write(const std::string& relative, const std::string& bytes) const;
  void Remove(const std::string& relative) const;

  const std::string& game() const { return game_; }

  struct Result {
    int status;
    std::string out;
    std::string err;
  };
  // The check run on the game folder; paths in its output are relative to it.
  Result Check(std::vector<std::string> options = {}) const;

 private:
  std::string game_;
};

// Lines of the report, each ending in a line feed.
std::string Lines(const std::vector<std::string>& lines);
