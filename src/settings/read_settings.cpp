#include "settings/read_settings.h"

#include <type_traits>
#include <variant>

#include "settings/setting_keys.h"

namespace {

// The defaults come from the records' own initialisers, so each is written once.
constexpr HudSettings kDefaults{};

// The field's type picks the conversion.
template <typename Field>
void ReadLayoutKey(IniFile& layout, const IniKey& key, Field field, HudSettings& s) {
  auto& value = LayoutFieldOf(s, field);
  const auto& default_value = LayoutFieldOf(kDefaults, field);
  using T = std::remove_cvref_t<decltype(value)>;
  if constexpr (std::is_same_v<T, std::int32_t>) {
    value = layout.ReadInt(key, default_value);
  } else if constexpr (std::is_same_v<T, float>) {
    value = layout.ReadFloat(key, default_value);
  } else if constexpr (std::is_same_v<T, FloatPair>) {
    value = layout.ReadPair(key, default_value);
  } else {
    static_assert(std::is_same_v<T, bool>);
    value = layout.ReadBool(key);  // a flag's default is always false
  }
}

}  // namespace

void ReadLayoutSettings(IniFile& layout, HudSettings& s) {
  for (const LayoutSettingKey& key : kLayoutSettingKeys) {
    std::visit([&](auto field) { ReadLayoutKey(layout, key.key, field, s); }, key.field);
  }
}

void ReadColourScheme(IniFile& colours, HudColours& c) {
  for (const ColourSettingKey& key : kColourSettingKeys) {
    c.*key.field = colours.ReadColour(key.key, kDefaults.colours.*key.field);
  }
}

std::int32_t ReadReloadSwitch(IniFile& layout) {
  constexpr IniKey kReload(kReloadSettingsKey);
  if (!layout.ReadBool(kReload)) return 0;
  return layout.ReadInt(kReload, -1);
}
