#include "workable_checks.h"

#include <cmath>
#include <optional>
#include <utility>
#include <variant>

#include "key_facts.h"
#include "value_text.h"

namespace {

// The numbers a key's value holds, as the plug-in uses them.
struct Numbers {
  float n[2] = {0.0f, 0.0f};
  int count = 0;
};

Numbers Of(float value) { return {{value, 0.0f}, 1}; }
Numbers Of(FloatPair value) { return {{value.first, value.second}, 2}; }
template <typename T>
Numbers Of(const T& /*not a number*/) {
  return {};
}

Numbers UsedNumbers(const LayoutSettingKey& key, const HudSettings& loaded) {
  return std::visit([&](auto field) { return Of(LayoutFieldOf(loaded, field)); }, key.field);
}

const LayoutSettingKey* KeyNamed(std::string_view name) {
  for (const LayoutSettingKey& key : kLayoutSettingKeys) {
    if (key.name == name) return &key;
  }
  return nullptr;
}

// The whole part, as the plug-in cuts it: toward zero.
float Whole(float value) { return std::isfinite(value) ? std::trunc(value) : value; }

bool HasFraction(const Numbers& numbers) {
  for (int i = 0; i < numbers.count; ++i) {
    if (std::isfinite(numbers.n[i]) && Whole(numbers.n[i]) != numbers.n[i]) return true;
  }
  return false;
}

std::string WholeText(const Numbers& numbers) {
  std::string text;
  for (int i = 0; i < numbers.count; ++i) {
    if (i > 0) text += ' ';
    text += FormatValue(Whole(numbers.n[i]));
  }
  return text;
}

// The first checked part that breaks the limit.
std::optional<float> Breaking(const KeyRule& rule, const Numbers& numbers) {
  for (int i = 0; i < numbers.count; ++i) {
    if ((rule.parts & (1 << i)) == 0) continue;
    const float v = rule.whole_units ? Whole(numbers.n[i]) : numbers.n[i];
    const bool breaks = rule.limit == Limit::kScale       ? !(v > 0.0f)
                        : rule.limit == Limit::kLength    ? v < 0.0f
                        : rule.limit == Limit::kBarFactor ? !(v > -1.0f)
                                                          : v == 0.0f || !std::isfinite(v);
    if (breaks) return v;
  }
  return std::nullopt;
}

std::pair<std::string, std::string> LimitMessage(const KeyRule& rule) {
  const std::string what(rule.what);
  switch (rule.limit) {
    case Limit::kScale:
      return {"vanishes", "a scale of 0 or below makes " + what + " vanish"};
    case Limit::kLength:
      return {"negative-length",
              what + " is below 0, so it is drawn turned over; a length runs from 0 up"};
    case Limit::kBarFactor:
      return {"no-bars", "with a factor of -1 or below, p + p x factor is never above 0, so " +
                             what + " never show"};
    case Limit::kWheelSize:
      return {"no-wheel",
              "the ring's half-side is half the screen height divided by this, so 0 leaves no "
              "weapon wheel"};
    case Limit::kNone:
      break;
  }
  return {};
}

Finding Warn(const SettingsFile& file, const IniEntry& entry, std::string kind,
             std::string message) {
  return MakeFinding(Severity::kWarning, file.path, entry.line, entry.value_column, std::move(kind),
                     std::move(message));
}

}  // namespace

std::vector<Finding> CheckWorkableValue(SettingsFile& file, const LayoutSettingKey& key,
                                        const HudSettings& loaded) {
  const KeyFacts* facts = FactsFor(key.name);
  if (facts == nullptr) return {};
  const KeyRule* rule = &facts->rule;
  const std::optional<IniEntry> entry = EntryThatCounts(file, key.name);
  if (!entry || entry->value.empty()) return {};
  const Numbers used = UsedNumbers(key, loaded);
  const bool cut = rule->whole_units && HasFraction(used);
  const std::string value = Quote(entry->value);
  const std::string read = cut ? value + " is used as " + WholeText(used) + ": " : value + ": ";
  if (rule->limit != Limit::kNone && Breaking(*rule, used)) {
    auto [kind, message] = LimitMessage(*rule);
    return {Warn(file, *entry, std::move(kind), read + message)};
  }
  if (cut) {
    return {Warn(file, *entry, "whole-units",
                 read + Quote(key.name) + " uses only the whole part of a number, so the " +
                     "fraction is dropped")};
  }
  return {};
}

std::string WholeUnitsUsed(std::string_view name, const HudSettings& loaded) {
  const KeyFacts* facts = FactsFor(name);
  const LayoutSettingKey* key = KeyNamed(name);
  if (facts == nullptr || key == nullptr || !facts->rule.whole_units) return {};
  const Numbers used = UsedNumbers(*key, loaded);
  return HasFraction(used) ? WholeText(used) : std::string();
}
