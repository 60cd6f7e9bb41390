#include "log_call.h"

#include <algorithm>
#include <charconv>

#include "utf8_writer.h"

namespace preview {

namespace {

// "\uXXXX" names a control character or a lone surrogate; the picture shows
// a surrogate as the replacement character.
char32_t read_hex4(std::string_view line, std::size_t at) {
  unsigned value = 0;
  if (at + 4 > line.size()) throw LogError("a \\u escape needs four hex digits");
  const auto result = std::from_chars(line.data() + at, line.data() + at + 4, value, 16);
  if (result.ptr != line.data() + at + 4) throw LogError("a \\u escape needs four hex digits");
  return value >= 0xD800 && value < 0xE000 ? char32_t{0xFFFD} : char32_t{value};
}

// A quoted text starting at `at` (the opening quote); moves `at` past the closing one.
std::string read_text(std::string_view line, std::size_t& at) {
  std::string out;
  for (++at; at < line.size(); ++at) {
    const char c = line[at];
    if (c == '"') {
      ++at;
      return out;
    }
    if (c != '\\') {
      out += c;
      continue;
    }
    if (++at >= line.size()) break;
    const char e = line[at];
    if (e == 'n') {
      out += '\n';
    } else if (e == 'u') {
      refhost::append_utf8(out, read_hex4(line, at + 1));
      at += 4;
    } else if (e == '"' || e == '\\') {
      out += e;
    } else {
      throw LogError(std::string("unknown escape \\") + e);
    }
  }
  throw LogError("a text without its closing quote");
}

LogArg read_arg(std::string_view line, std::size_t& at) {
  if (line[at] == '"') return LogArg{LogArg::Kind::Text, read_text(line, at)};
  const std::size_t end = std::min(line.find(' ', at), line.size());
  LogArg arg{LogArg::Kind::Word, std::string(line.substr(at, end - at))};
  if (arg.value.empty()) throw LogError("arguments are separated by one space");
  if (arg.value == "null") arg.kind = LogArg::Kind::Null;
  at = end;
  return arg;
}

const LogArg& arg_at(const LogCall& call, std::size_t index) {
  if (index >= call.args.size()) {
    throw LogError(call.name + " has no argument " + std::to_string(index + 1));
  }
  return call.args[index];
}

template <typename T>
T number(const LogCall& call, std::size_t index, const char* what) {
  const LogArg& arg = arg_at(call, index);
  T value{};
  const char* end = arg.value.data() + arg.value.size();
  const auto result = std::from_chars(arg.value.data(), end, value);
  if (arg.kind != LogArg::Kind::Word || result.ec != std::errc() || result.ptr != end) {
    throw LogError(call.name + ": argument " + std::to_string(index + 1) + " is not " + what);
  }
  return value;
}

}  // namespace

float LogCall::f(std::size_t index) const { return number<float>(*this, index, "a number"); }

long long LogCall::i(std::size_t index) const {
  return number<long long>(*this, index, "an integer");
}

bool LogCall::is_text(std::size_t index) const {
  return index < args.size() && args[index].kind == LogArg::Kind::Text;
}

std::optional<std::string> LogCall::text(std::size_t index) const {
  const LogArg& arg = arg_at(*this, index);
  if (arg.kind == LogArg::Kind::Null) return std::nullopt;
  if (arg.kind != LogArg::Kind::Text) {
    throw LogError(name + ": argument " + std::to_string(index + 1) + " is not a text");
  }
  return arg.value;
}

LogCall parse_log_line(std::string_view line) {
  LogCall call;
  const std::size_t space = line.find(' ');
  const std::string_view frame = line.substr(0, space);
  const auto result = std::from_chars(frame.data(), frame.data() + frame.size(), call.frame);
  if (frame.empty() || result.ptr != frame.data() + frame.size() ||
      space == std::string_view::npos) {
    throw LogError("a line must start with a frame number and a host routine's name");
  }
  std::size_t at = space + 1;
  const std::size_t name_end = std::min(line.find(' ', at), line.size());
  call.name = line.substr(at, name_end - at);
  if (call.name.empty()) throw LogError("a line without a host routine's name");
  for (at = name_end; at < line.size();) {
    if (line[at] != ' ' || ++at >= line.size())
      throw LogError("arguments are separated by one space");
    call.args.push_back(read_arg(line, at));
  }
  return call;
}

}  // namespace preview
