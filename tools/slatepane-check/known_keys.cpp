#include "known_keys.h"

#include <algorithm>

#include "settings/setting_keys.h"

namespace {

std::vector<std::string_view> LayoutKeys() {
  std::vector<std::string_view> keys;
  for (const LayoutSettingKey& key : kLayoutSettingKeys) keys.push_back(key.name);
  keys.push_back(kReloadSettingsKey);
  return keys;
}

std::vector<std::string_view> ColourKeys() {
  std::vector<std::string_view> keys;
  for (const ColourSettingKey& key : kColourSettingKeys) keys.push_back(key.name);
  return keys;
}

}  // namespace

const std::vector<std::string_view>& KnownKeys(FileRole role) {
  static const std::vector<std::string_view> layout = LayoutKeys();
  static const std::vector<std::string_view> colours = ColourKeys();
  return role == FileRole::kLayout ? layout : colours;
}

bool IsKnownKey(FileRole role, std::string_view key) {
  const std::vector<std::string_view>& keys = KnownKeys(role);
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}
