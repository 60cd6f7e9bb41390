#include "value_checks.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <variant>

#include "key_facts.h"
#include "setting_text.h"
#include "value_reading.h"
#include "value_text.h"

namespace {

constexpr std::string_view kComponents[] = {"red", "green", "blue", "opacity"};

// Where a finding about the value points: the value, or the key when there is none.
std::uint32_t ValueColumn(const IniEntry& entry) {
  return entry.value_column != 0 ? entry.value_column : entry.key_column;
}

std::uint32_t IgnoredColumn(const IniEntry& entry, const ValueReading& reading) {
  return entry.value_column + static_cast<std::uint32_t>(reading.ignored_offset);
}

Finding Warn(const SettingsFile& file, const IniEntry& entry, std::uint32_t column,
             std::string kind, std::string message) {
  return MakeFinding(Severity::kWarning, file.path, entry.line, column, std::move(kind),
                     std::move(message));
}

// A value that gives nothing at all: the key keeps its default.
std::vector<Finding> ReadsNothing(const SettingsFile& file, const IniEntry& entry,
                                  std::string_view what) {
  const std::string default_value = DefaultText(file.role, entry.key);
  if (entry.value.empty()) {
    return {Warn(file, entry, ValueColumn(entry), "no-value",
                 Quote(entry.key) + " has no value, so it takes its default " + default_value)};
  }
  std::string message = Quote(entry.value) + " does not read as " + std::string(what) + ", so " +
                        Quote(entry.key) + " takes its default " + default_value;
  if (entry.value.front() == '"' || entry.value.front() == '\'') {
    message += "; quotes are not removed";
  }
  return {Warn(file, entry, ValueColumn(entry), "not-a-number", message)};
}

// The numbers read, as written back: colour components "1 2 3 4" from the
// integers, numbers "60" or "10 20" from the floats.
template <typename T, std::size_t N>
std::string NumbersRead(const std::array<T, N>& numbers, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) text += ' ';
    text += FormatValue(numbers[i]);
  }
  return text;
}
std::string IntsRead(const ValueReading& reading) {
  return NumbersRead(reading.ints, reading.count);
}
std::string FloatsRead(const ValueReading& reading) {
  return NumbersRead(reading.floats, reading.count);
}

Finding PartlyRead(const SettingsFile& file, const IniEntry& entry, const ValueReading& reading,
                   const std::string& read) {
  return Warn(
      file, entry, IgnoredColumn(entry, reading), "partly-read",
      Quote(entry.value) + " reads as " + read + "; " + Quote(reading.ignored) + " is ignored");
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A comma between two digits with nothing else round it reads as the end of
// a number: "0,57" is 0. In a pair, "10,20" is taken for two numbers.
bool IsDecimalComma(const IniEntry& entry, const ValueReading& reading, ValueKind kind) {
  const std::string_view v = entry.value;
  const std::size_t at = reading.ignored_offset;
  if (at == 0 || at + 1 >= v.size() || v[at] != ',' || !IsDigit(v[at - 1]) || !IsDigit(v[at + 1]))
    return false;
  return kind == ValueKind::kNumber || reading.count == 2 ||
         v.find_first_of(" \t") != std::string_view::npos;
}

std::string WithDecimalPoints(std::string_view value) {
  std::string text(value);
  for (std::size_t i = 1; i + 1 < text.size(); ++i) {
    if (text[i] == ',' && IsDigit(text[i - 1]) && IsDigit(text[i + 1])) text[i] = '.';
  }
  return text;
}

// Units modders write after a number, out of habit from other tools.
bool IsUnitWord(std::string_view text) {
  std::string lower;
  for (char c : text.substr(0, text.find_first_of(" \t"))) {
    lower += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  for (std::string_view unit : {"px", "pt", "%", "em", "u", "unit", "units", "pixel", "pixels"}) {
    if (lower == unit) return true;
  }
  return false;
}

// A decimal comma or a unit after the number, else nothing: the caller says
// what is ignored in general terms.
std::optional<Finding> MisreadNumber(const SettingsFile& file, const IniEntry& entry,
                                     const ValueReading& reading, ValueKind kind,
                                     const std::string& rest) {
  const std::string value = Quote(entry.value);
  if (IsDecimalComma(entry, reading, kind)) {
    return Warn(file, entry, IgnoredColumn(entry, reading), "decimal-comma",
                value + " reads as " + FloatsRead(reading) + rest +
                    ": a comma is not a decimal point; write " + WithDecimalPoints(entry.value));
  }
  if (!IsUnitWord(reading.ignored)) return std::nullopt;
  const KeyFacts* facts = FactsFor(entry.key);
  const std::string unit(UnitText(facts != nullptr ? facts->unit : Unit::kNone));
  return Warn(file, entry, IgnoredColumn(entry, reading), "unit",
              value + " reads as " + FloatsRead(reading) + rest + ": " + Quote(entry.key) +
                  " is in " + unit + ", and " + Quote(reading.ignored) + " is ignored; write " +
                  (kind == ValueKind::kPair ? "the numbers" : "the number") + " alone");
}

std::vector<Finding> CheckNumber(const SettingsFile& file, const IniEntry& entry) {
  const ValueReading reading = ReadValue(entry.value, ValueKind::kNumber);
  if (reading.count == 0) return ReadsNothing(file, entry, "a number");
  if (reading.ignored.empty()) return {};
  if (auto misread = MisreadNumber(file, entry, reading, ValueKind::kNumber, "")) return {*misread};
  return {PartlyRead(file, entry, reading, FormatValue(reading.floats[0]))};
}

std::vector<Finding> CheckInteger(const SettingsFile& file, const IniEntry& entry) {
  const ValueReading reading = ReadValue(entry.value, ValueKind::kInteger);
  if (reading.count == 0) return ReadsNothing(file, entry, "a whole number");
  return CheckIntegerRest(file, entry);
}

std::vector<Finding> CheckPair(const SettingsFile& file, const IniEntry& entry,
                               FloatPair default_value) {
  const ValueReading reading = ReadValue(entry.value, ValueKind::kPair);
  if (reading.count == 0) return ReadsNothing(file, entry, "a number");
  const std::string second = FormatValue(default_value.second);
  const std::string first = FormatValue(reading.floats[0]);
  const std::string rest =
      reading.count == 2 ? "" : ", and the second number keeps its default " + second;
  if (!reading.ignored.empty()) {
    if (auto misread = MisreadNumber(file, entry, reading, ValueKind::kPair, rest))
      return {*misread};
  }
  if (reading.count == 2) {
    if (reading.ignored.empty()) return {};
    return {PartlyRead(file, entry, reading, first + " " + FormatValue(reading.floats[1]))};
  }
  if (reading.ignored.empty()) {
    return {Warn(file, entry, ValueColumn(entry), "single-value",
                 Quote(entry.value) + " has one number; the second keeps its default " + second)};
  }
  if (reading.ignored.front() == ',') {
    return {Warn(file, entry, IgnoredColumn(entry, reading), "comma",
                 Quote(entry.value) +
                     " stops at the comma, so the second number keeps its default " + second +
                     "; separate the two numbers with a space")};
  }
  return {Warn(file, entry, IgnoredColumn(entry, reading), "partly-read",
               Quote(entry.value) + " reads only the first number, " + first + "; " +
                   Quote(reading.ignored) + " is ignored, and the second keeps its default " +
                   second)};
}

bool IsClearlyTrue(std::string_view value) {
  const std::string lower = [&] {
    std::string text(value);
    for (char& c : text) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
  }();
  return lower == "1" || lower == "true" || lower == "yes" || lower == "on";
}

std::vector<Finding> CheckFlag(SettingsFile& file, const IniEntry& entry) {
  if (entry.value.empty()) return ReadsNothing(file, entry, "");
  if (!file.ini.ReadBool(entry.key) || IsClearlyTrue(entry.value)) return {};
  return {
      Warn(file, entry, ValueColumn(entry), "flag",
           Quote(entry.value) + " reads as true: only 0, false, FALSE, no and NO read as false")};
}

std::vector<Finding> ColourRange(const SettingsFile& file, const IniEntry& entry,
                                 const ValueReading& reading) {
  std::string wraps;
  for (std::size_t i = 0; i < reading.count; ++i) {
    const std::int32_t n = reading.ints[i];
    if (n >= 0 && n <= 255) continue;
    if (!wraps.empty()) wraps += ", ";
    wraps += std::string(kComponents[i]) + " " + std::to_string(n) + " wraps to " +
             std::to_string(static_cast<std::uint8_t>(n));
  }
  if (wraps.empty()) return {};
  return {Warn(file, entry, ValueColumn(entry), "colour-range",
               Quote(entry.value) + ": " + wraps + "; components run from 0 to 255")};
}

// "green, blue and opacity keep their defaults 115 150 255".
std::string KeptDefaults(const ValueReading& reading, Rgba default_value) {
  const std::uint8_t defaults[] = {default_value.r, default_value.g, default_value.b,
                                   default_value.a};
  const std::size_t kept = 4 - reading.count;
  std::string numbers;
  for (std::size_t i = reading.count; i < 4; ++i) {
    if (i > reading.count) numbers += ' ';
    numbers += std::to_string(defaults[i]);
  }
  return JoinWords(kComponents + reading.count, kept) +
         (kept == 1 ? " keeps its default " : " keep their defaults ") + numbers;
}

std::vector<Finding> ColourComponents(const SettingsFile& file, const IniEntry& entry,
                                      const ValueReading& reading, Rgba default_value) {
  const std::string value = Quote(entry.value);
  if (reading.count == 4) {
    if (reading.ignored.empty()) return {};
    return {PartlyRead(file, entry, reading, IntsRead(reading))};
  }
  const std::string kept = KeptDefaults(reading, default_value);
  const std::string read = JoinWords(kComponents, reading.count);
  if (reading.ignored.empty() && reading.count == 3) {
    return {Warn(
        file, entry, ValueColumn(entry), "missing-opacity",
        value + " has no opacity, so it keeps its default " + std::to_string(default_value.a))};
  }
  if (reading.ignored.empty()) {
    return {Warn(file, entry, ValueColumn(entry), "missing-components",
                 value + " sets only " + read + ", so " + kept)};
  }
  if (reading.ignored.front() == ',') {
    return {Warn(file, entry, IgnoredColumn(entry, reading), "comma",
                 value + " stops at the first comma: only " + read + " is read, so " + kept +
                     "; separate the numbers with spaces")};
  }
  return {Warn(
      file, entry, IgnoredColumn(entry, reading), "partly-read",
      value + " reads only " + read + "; " + Quote(reading.ignored) + " is ignored, so " + kept)};
}

template <typename T>
std::vector<Finding> CheckLayoutField(SettingsFile& file, const IniEntry& entry, const T& def) {
  if constexpr (std::is_same_v<T, std::int32_t>) {
    return CheckInteger(file, entry);
  } else if constexpr (std::is_same_v<T, float>) {
    return CheckNumber(file, entry);
  } else if constexpr (std::is_same_v<T, FloatPair>) {
    return CheckPair(file, entry, def);
  } else {
    static_assert(std::is_same_v<T, bool>, "a layout field of another type");
    return CheckFlag(file, entry);
  }
}

}  // namespace

std::optional<std::int32_t> HexadecimalValue(std::string_view value) {
  if (!(value.starts_with("0x") || value.starts_with("0X"))) return std::nullopt;
  value.remove_prefix(2);
  std::int64_t number = 0;
  const auto result = std::from_chars(value.data(), value.data() + value.size(), number, 16);
  if (result.ec != std::errc() || result.ptr != value.data() + value.size() ||
      number > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(number);
}

std::string HexadecimalAdvice(std::string_view value) {
  if (!(value.starts_with("0x") || value.starts_with("0X"))) return {};
  const std::optional<std::int32_t> hex = HexadecimalValue(value);
  return "hexadecimal is not read; write " +
         (hex ? std::to_string(*hex) : std::string("the number in decimal"));
}

std::vector<Finding> CheckIntegerRest(const SettingsFile& file, const IniEntry& entry) {
  const ValueReading reading = ReadValue(entry.value, ValueKind::kInteger);
  if (reading.count == 0 || reading.ignored.empty()) return {};
  const std::string read = FormatValue(reading.ints[0]);
  const std::string value = Quote(entry.value);
  if (const std::string advice = HexadecimalAdvice(entry.value); !advice.empty()) {
    return {Warn(file, entry, ValueColumn(entry), "hexadecimal",
                 value + " reads as " + read + ": " + advice)};
  }
  if (reading.ignored.front() == '.') {
    return {Warn(file, entry, IgnoredColumn(entry, reading), "fraction",
                 value + " reads as " + read + ": " + Quote(entry.key) +
                     " takes a whole number, so " + Quote(reading.ignored) + " is ignored")};
  }
  return {PartlyRead(file, entry, reading, read)};
}

std::vector<Finding> CheckLayoutValue(SettingsFile& file, const LayoutSettingKey& key) {
  const std::optional<IniEntry> entry = EntryThatCounts(file, key.name);
  if (!entry) return {};
  static constexpr HudSettings kDefaults{};
  return std::visit(
      [&](auto field) { return CheckLayoutField(file, *entry, LayoutFieldOf(kDefaults, field)); },
      key.field);
}

std::vector<Finding> CheckColourValue(SettingsFile& file, const ColourSettingKey& key) {
  const std::optional<IniEntry> entry = EntryThatCounts(file, key.name);
  if (!entry) return {};
  const ValueReading reading = ReadValue(entry->value, ValueKind::kColour);
  if (reading.count == 0) return ReadsNothing(file, *entry, "a colour");
  static constexpr HudColours kDefaults{};
  std::vector<Finding> findings = ColourRange(file, *entry, reading);
  for (Finding& f : ColourComponents(file, *entry, reading, kDefaults.*key.field)) {
    findings.push_back(std::move(f));
  }
  return findings;
}
