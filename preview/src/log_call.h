#pragma once
// One line of a draw log read back: the frame, the host routine's name and its
// arguments. docs/draw-log-format.md gives the line's form.
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace preview {

struct LogArg {
  enum class Kind { Word, Text, Null };
  Kind kind = Kind::Word;
  std::string value;  // a word as written; a text decoded to UTF-8
};

// Thrown for a line that is not a draw-log line, or an argument read as what it is not.
class LogError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct LogCall {
  int frame = 0;
  std::string name;
  std::vector<LogArg> args;

  std::size_t size() const { return args.size(); }
  float f(std::size_t index) const;
  long long i(std::size_t index) const;
  bool is_text(std::size_t index) const;
  // The text of a quoted argument; nothing for null.
  std::optional<std::string> text(std::size_t index) const;
};

// Reads one line; throws LogError naming what is wrong.
LogCall parse_log_line(std::string_view line);

}  // namespace preview
