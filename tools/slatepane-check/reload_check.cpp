#include "reload_check.h"

#include <optional>
#include <string_view>

#include "settings/setting_keys.h"
#include "value_checks.h"
#include "value_reading.h"
#include "value_text.h"
#include "virtual_keys.h"

namespace {

constexpr std::int32_t kEveryFrame = -1;
constexpr std::int32_t kHighestKeyCode = 254;

std::string LowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

std::uint32_t ValueColumn(const IniEntry& entry) {
  return entry.value_column != 0 ? entry.value_column : entry.key_column;
}

Finding At(Severity severity, const SettingsFile& file, const IniEntry& entry,
           std::string message) {
  return MakeFinding(severity, file.path, entry.line, ValueColumn(entry), "reload",
                     std::move(message));
}

// "RELOAD_SETTINGS '82': the settings are re-read while the R key is held".
std::string Meaning(const IniEntry& entry, std::int32_t loaded) {
  std::string text(kReloadSettingsKey);
  if (entry.value.empty()) {
    text += " has no value";
  } else {
    text += ' ';
    text += Quote(entry.value);
  }
  return text + ": " + ReloadMeaning(loaded);
}

// " for the R key" when the code names a key, else "".
std::string ForKey(std::int32_t code) {
  const std::string name = VirtualKeyName(code);
  return name.empty() ? std::string() : " for " + name;
}

// A value that reads as on but is not a number: "true" and "yes" mean every
// frame step; a key's name, or a word for off, do not mean what they say.
Finding EveryFrameWord(const SettingsFile& file, const IniEntry& entry) {
  const std::string lower = LowerCase(entry.value);
  const std::string value = Quote(entry.value);
  if (lower == "true" || lower == "yes" || lower == "on") {
    return At(Severity::kNote, file, entry, Meaning(entry, kEveryFrame));
  }
  if (const std::optional<std::int32_t> code = VirtualKeyCode(entry.value)) {
    return At(Severity::kWarning, file, entry,
              value + " is not a key code, so " + ReloadMeaning(kEveryFrame) + "; write " +
                  std::to_string(*code) + ForKey(*code));
  }
  if (lower == "false" || lower == "off" || lower == "no" || lower == "disabled") {
    return At(Severity::kWarning, file, entry,
              value + " reads as on, so " + ReloadMeaning(kEveryFrame) +
                  "; write 0 to turn reloading off");
  }
  return At(Severity::kWarning, file, entry,
            value + " is not a key code, so " + ReloadMeaning(kEveryFrame));
}

// A single digit is the code of a mouse button or a control key, not of the
// digit's own key.
Finding DigitCode(const SettingsFile& file, const IniEntry& entry, std::int32_t code) {
  const std::int32_t digit_key = *VirtualKeyCode(entry.value);
  std::string message = Quote(entry.value) + " is not the code of the " + entry.value +
                        " key, which is " + std::to_string(digit_key) + ": " + ReloadMeaning(code);
  if (code == 1) message += "; -1 re-reads on every frame step";
  return At(Severity::kWarning, file, entry, message);
}

// Read as on, but as the number 0: "0x52" is 0, and reloading is off.
Finding ReadsAsOff(const SettingsFile& file, const IniEntry& entry) {
  std::string message = Quote(entry.value) + " reads as key code 0, so reloading is off";
  if (const std::string advice = HexadecimalAdvice(entry.value); !advice.empty()) {
    const std::optional<std::int32_t> code = HexadecimalValue(entry.value);
    message += ": " + advice + (code ? ForKey(*code) : std::string());
  }
  return At(Severity::kWarning, file, entry, message);
}

}  // namespace

std::string ReloadMeaning(std::int32_t value) {
  if (value == 0) return "reloading is off";
  if (value == kEveryFrame) return "the settings are re-read on every frame step";
  if (value < 0 || value > kHighestKeyCode) {
    return "no key re-reads the settings: " + std::to_string(value) +
           " is not a key code (1 to 254)";
  }
  const std::string name = VirtualKeyName(value);
  return "the settings are re-read while " +
         (name.empty() ? "the key with code " + std::to_string(value) : name) + " is held";
}

std::vector<Finding> CheckReloadSwitch(SettingsFile& layout, std::int32_t loaded, bool verbose) {
  const std::optional<IniEntry> entry = EntryThatCounts(layout, kReloadSettingsKey);
  if (!entry) return {};
  if (!layout.ini.ReadBool(kReloadSettingsKey)) {
    if (!verbose) return {};
    return {At(Severity::kNote, layout, *entry, Meaning(*entry, 0))};
  }
  if (loaded == 0) return {ReadsAsOff(layout, *entry)};
  std::vector<Finding> findings = CheckIntegerRest(layout, *entry);
  const ValueReading reading = ReadValue(entry->value, ValueKind::kInteger);
  if (reading.count == 0) {
    findings.push_back(EveryFrameWord(layout, *entry));
  } else if (entry->value.size() == 1 && loaded >= 1 && loaded <= 9) {
    findings.push_back(DigitCode(layout, *entry, loaded));
  } else if (loaded == kEveryFrame || (loaded >= 1 && loaded <= kHighestKeyCode)) {
    // After a warning about the value, the meaning goes with it.
    Finding meaning = At(Severity::kNote, layout, *entry, Meaning(*entry, loaded));
    if (findings.empty()) {
      findings.push_back(std::move(meaning));
    } else {
      findings.back().notes.push_back(std::move(meaning));
    }
  } else {
    findings.push_back(At(Severity::kWarning, layout, *entry, Meaning(*entry, loaded)));
  }
  return findings;
}
