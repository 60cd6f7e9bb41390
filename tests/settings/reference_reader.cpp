#include "settings/reference_reader.h"

#include <initializer_list>
#include <ios>
#include <locale>
#include <sstream>

namespace reference {

namespace {

// The stream's position is asked of its buffer: the stream itself reports no
// position once a read has reached the end of the value.
template <typename Number>
NumberScan<Number> Scan(std::string_view value, std::size_t limit) {
  NumberScan<Number> scan;
  std::istringstream in{std::string(value)};
  in.imbue(std::locale::classic());
  while (scan.count < limit && scan.count < kMaxScannedNumbers) {
    Number number;
    if (!(in >> number)) break;
    scan.numbers[scan.count++] = number;
    scan.end =
        static_cast<std::size_t>(in.rdbuf()->pubseekoff(0, std::ios_base::cur, std::ios_base::in));
  }
  return scan;
}

bool IsCommentStart(char c) { return c == '#' || c == ';'; }
bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '='; }

void TrimTrailingBlanks(std::string& value) {
  const std::size_t end = value.find_last_not_of(" \t");
  value.erase(end == std::string::npos ? 0 : end + 1);
}

std::uint32_t Column(std::size_t index) { return static_cast<std::uint32_t>(index + 1); }

}  // namespace

NumberScan<float> ScanFloats(std::string_view value, std::size_t limit) {
  return Scan<float>(value, limit);
}

NumberScan<std::int32_t> ScanInts(std::string_view value, std::size_t limit) {
  return Scan<std::int32_t>(value, limit);
}

Reader::Reader(std::string_view text) {
  std::uint32_t number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (end == std::string_view::npos) {
      text = {};
    } else {
      text.remove_prefix(end + 1);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    }
    ParseLine(line, number);
  }
}

void Reader::ParseLine(std::string_view line, std::uint32_t number) {
  if (line.empty()) return;
  enum class State { kBeforeKey, kInKey, kAfterKey, kInValue };
  State state = State::kBeforeKey;
  Entry entry;
  entry.line = number;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (IsCommentStart(c)) {
      if (state == State::kBeforeKey) return;
      break;
    }
    switch (state) {
      case State::kBeforeKey:
        if (IsSeparator(c)) break;
        entry.key += c;
        entry.key_column = Column(i);
        state = State::kInKey;
        break;
      case State::kInKey:
        if (IsSeparator(c)) {
          state = State::kAfterKey;
        } else {
          entry.key += c;
        }
        break;
      case State::kAfterKey:
        if (IsSeparator(c)) break;
        entry.value += c;
        entry.value_column = Column(i);
        state = State::kInValue;
        break;
      case State::kInValue:
        entry.value += c;
        break;
    }
  }
  TrimTrailingBlanks(entry.value);
  entries_.push_back(std::move(entry));
}

Entry& Reader::Lookup(std::string_view key) {
  for (Entry& entry : entries_) {
    if (entry.key == key) return entry;
  }
  Entry& missing = entries_.emplace_back();
  missing.key = key;
  missing.absent = true;
  return missing;
}

float Reader::ReadFloat(std::string_view key, float default_value) {
  const Entry& entry = Lookup(key);
  if (entry.absent) return default_value;
  const NumberScan<float> scan = ScanFloats(entry.value, 1);
  return scan.count == 1 ? scan.numbers[0] : default_value;
}

std::int32_t Reader::ReadInt(std::string_view key, std::int32_t default_value) {
  const Entry& entry = Lookup(key);
  if (entry.absent) return default_value;
  const NumberScan<std::int32_t> scan = ScanInts(entry.value, 1);
  return scan.count == 1 ? scan.numbers[0] : default_value;
}

bool Reader::ReadBool(std::string_view key) {
  const Entry& entry = Lookup(key);
  if (entry.absent || entry.value.empty()) return false;
  for (const std::string_view no : {"0", "false", "FALSE", "no", "NO"}) {
    if (entry.value == no) return false;
  }
  return true;
}

FloatPair Reader::ReadPair(std::string_view key, FloatPair default_value) {
  const Entry& entry = Lookup(key);
  FloatPair pair = default_value;
  if (entry.absent) return pair;
  const NumberScan<float> scan = ScanFloats(entry.value, 2);
  if (scan.count >= 1) pair.first = scan.numbers[0];
  if (scan.count >= 2) pair.second = scan.numbers[1];
  return pair;
}

Rgba Reader::ReadColour(std::string_view key, Rgba default_value) {
  const Entry& entry = Lookup(key);
  Rgba colour = default_value;
  if (entry.absent) return colour;
  const NumberScan<std::int32_t> scan = ScanInts(entry.value, 4);
  std::uint8_t* components[] = {&colour.r, &colour.g, &colour.b, &colour.a};
  for (std::size_t i = 0; i < scan.count; ++i) {
    *components[i] = static_cast<std::uint8_t>(scan.numbers[i]);
  }
  return colour;
}

}  // namespace reference
