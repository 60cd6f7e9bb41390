#include "value_edit.h"

#include <vector>

#include "settings/line_scan.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The line the reader takes for key: the first that carries it, found by the
// plug-in's own line scanner so that both agree on every byte.
std::optional<IniLine> LineThatCounts(std::string_view bytes, std::string_view key) {
  std::vector<IniLine> lines;
  ScanLines(bytes, lines);
  for (const IniLine& line : lines) {
    if (bytes.substr(line.key, line.key_size) == key) return line;
  }
  return std::nullopt;
}

// The value's bytes to replace. A last line without a line feed keeps a
// carriage return in its value, as the reader sees it; an edit keeps it too.
std::string_view::size_type ValueEnd(std::string_view bytes, const IniLine& line) {
  std::size_t end = line.value + line.value_size;
  if (end == bytes.size() && end > line.value && bytes[end - 1] == '\r') --end;
  return end;
}

std::string_view LineEnding(std::string_view bytes) {
  const std::size_t feed = bytes.find('\n');
  return feed != std::string_view::npos && feed > 0 && bytes[feed - 1] == '\r' ? "\r\n" : "\n";
}

}  // namespace

std::optional<std::string> ValueTextProblem(std::string_view value) {
  if (value.empty()) return "a value cannot be empty";
  if (IsBlank(value.front()) || value.front() == '=' || IsBlank(value.back())) {
    return "a value cannot start with a space, a tab or '=', nor end with a space or a tab";
  }
  for (const char c : value) {
    if (c == '#' || c == ';') return "a value cannot contain '#' or ';': they start a comment";
    if (c == '\n' || c == '\r' || c == '\0') return "a value is one line of text";
  }
  return std::nullopt;
}

std::string WithValue(std::string_view bytes, std::string_view key, std::string_view value) {
  std::string out;
  if (const std::optional<IniLine> line = LineThatCounts(bytes, key)) {
    const std::size_t end = ValueEnd(bytes, *line);
    out.append(bytes.substr(0, line->value));
    // A key with nothing after it: the value must not run into the key.
    if (line->value == line->key + line->key_size) out += ' ';
    out.append(value);
    out.append(bytes.substr(end));
    return out;
  }
  out.assign(bytes);
  const std::string_view ending = LineEnding(bytes);
  if (!out.empty() && out.back() != '\n') out.append(ending);
  out.append(key).append(" = ").append(value).append(ending);
  return out;
}

std::optional<std::string> ValueThatCounts(std::string_view bytes, std::string_view key) {
  const std::optional<IniLine> line = LineThatCounts(bytes, key);
  if (!line) return std::nullopt;
  return std::string(bytes.substr(line->value, line->value_size));
}
