#include "setting_text.h"

#include <variant>

#include "settings/setting_keys.h"
#include "value_text.h"

namespace {

constexpr HudSettings kDefaults{};

std::string FieldText(FileRole role, std::string_view key, const HudSettings& s) {
  if (role == FileRole::kColourScheme) {
    for (const ColourSettingKey& row : kColourSettingKeys) {
      if (row.name == key) return FormatValue(s.colours.*row.field);
    }
    return {};
  }
  if (key == kReloadSettingsKey) return FormatValue(s.RELOAD_SETTINGS);
  for (const LayoutSettingKey& row : kLayoutSettingKeys) {
    if (row.name == key) {
      return std::visit([&](auto field) { return FormatValue(LayoutFieldOf(s, field)); },
                        row.field);
    }
  }
  return {};
}

}  // namespace

std::string DefaultText(FileRole role, std::string_view key) {
  return FieldText(role, key, kDefaults);
}

std::string LoadedText(FileRole role, std::string_view key, const HudSettings& loaded) {
  return FieldText(role, key, loaded);
}
