#include "draw_log.h"

#include <charconv>
#include <cstdio>
#include <ostream>
#include <stdexcept>

#include "caller_log.h"
#include "utf8_writer.h"

namespace refhost {

namespace {

void append_escaped(std::string& out, char32_t c) {
  static const char kHex[] = "0123456789abcdef";
  if (c == '"' || c == '\\') {
    out += '\\';
    out += static_cast<char>(c);
  } else if (c == '\n') {
    out += "\\n";
  } else if (c < 0x20 || c == 0x7F || (c >= 0xD800 && c < 0xE000)) {
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(c >> shift) & 0xF];
  } else {
    append_utf8(out, c);
  }
}

}  // namespace

std::string format_float(float value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof(buffer), value);
  return std::string(buffer, result.ptr);
}

std::string format_text(std::u16string_view text) {
  std::string out = "\"";
  for (std::size_t k = 0; k < text.size(); ++k) {
    char32_t c = text[k];
    const bool high = c >= 0xD800 && c < 0xDC00;
    if (high && k + 1 < text.size() && text[k + 1] >= 0xDC00 && text[k + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[k + 1] - 0xDC00);
      ++k;
    }
    append_escaped(out, c);
  }
  return out + "\"";
}

std::string format_text(std::string_view text) {
  std::string out = "\"";
  // Host 8-bit text is taken as Latin-1.
  for (unsigned char c : text) append_escaped(out, c);
  return out + "\"";
}

std::string RecordedCall::text() const {
  std::string out = name;
  for (const std::string& arg : args) out += " " + arg;
  return out;
}

std::string RecordedCall::line() const { return std::to_string(frame) + " " + text(); }

float RecordedCall::float_arg(std::size_t index) const {
  const std::string& arg = args.at(index);
  float value = 0;
  const auto result = std::from_chars(arg.data(), arg.data() + arg.size(), value);
  if (result.ec != std::errc() || result.ptr != arg.data() + arg.size()) {
    throw std::invalid_argument(name + ": argument " + std::to_string(index) + " is not a float");
  }
  return value;
}

long long RecordedCall::int_arg(std::size_t index) const {
  const std::string& arg = args.at(index);
  long long value = 0;
  const auto result = std::from_chars(arg.data(), arg.data() + arg.size(), value);
  if (result.ec != std::errc() || result.ptr != arg.data() + arg.size()) {
    throw std::invalid_argument(name + ": argument " + std::to_string(index) +
                                " is not an integer");
  }
  return value;
}

std::string RecordedCall::text_arg(std::size_t index) const {
  const std::string& arg = args.at(index);
  if (arg.size() < 2 || arg.front() != '"' || arg.back() != '"') {
    throw std::invalid_argument(name + ": argument " + std::to_string(index) + " is not a text");
  }
  return arg.substr(1, arg.size() - 2);
}

DrawLog& DrawLog::call(std::string_view name) {
  if (observer_ != nullptr) observer_(observer_context_);
  const std::uint32_t caller = caller_log::take_caller();
  if (!recording_) return *this;
  calls_.push_back(RecordedCall{frame_, std::string(name), {}, caller});
  return *this;
}

DrawLog& DrawLog::i(long long value) {
  if (!recording_) return *this;
  calls_.back().args.push_back(std::to_string(value));
  return *this;
}

DrawLog& DrawLog::f(float value) {
  if (!recording_) return *this;
  calls_.back().args.push_back(format_float(value));
  return *this;
}

DrawLog& DrawLog::text(const char16_t* text) {
  if (!recording_) return *this;
  calls_.back().args.push_back(text ? format_text(std::u16string_view(text)) : "null");
  return *this;
}

DrawLog& DrawLog::text(const char* text) {
  if (!recording_) return *this;
  calls_.back().args.push_back(text ? format_text(std::string_view(text)) : "null");
  return *this;
}

DrawLog& DrawLog::address(std::uint32_t host_address) {
  if (!recording_) return *this;
  char buffer[16];
  std::snprintf(buffer, sizeof(buffer), "0x%06X", static_cast<unsigned>(host_address));
  calls_.back().args.emplace_back(buffer);
  return *this;
}

std::vector<RecordedCall> DrawLog::named(std::string_view name) const {
  std::vector<RecordedCall> out;
  for (const RecordedCall& c : calls_) {
    if (c.name == name) out.push_back(c);
  }
  return out;
}

std::vector<std::string> DrawLog::texts() const {
  std::vector<std::string> out;
  for (const RecordedCall& c : calls_) out.push_back(c.text());
  return out;
}

void DrawLog::print(std::ostream& out) const {
  for (const RecordedCall& c : calls_) out << c.line() << '\n';
}

DrawLog& draw_log() {
  static DrawLog log;
  return log;
}

}  // namespace refhost
