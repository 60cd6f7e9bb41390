#include "effective.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "money_colour.h"
#include "reload_check.h"
#include "setting_text.h"
#include "settings/setting_keys.h"
#include "value_reading.h"
#include "workable_checks.h"

namespace {

constexpr std::size_t kCommentColumn = 44;

struct Row {
  std::string key;
  std::string value;
  std::string source;
  std::uint32_t line;  // 0 for a key the file leaves out
};

std::string Source(const std::optional<IniEntry>& entry, ValueKind kind) {
  if (!entry) return "default";
  std::string line = "line " + std::to_string(entry->line);
  if (kind == ValueKind::kFlag) {
    return entry->value.empty() ? "default: " + line + " reads nothing" : line;
  }
  const ValueReading reading = ReadValue(entry->value, kind);
  if (reading.count == 0) return "default: " + line + " reads nothing";
  if (reading.count < reading.wanted) return line + ", the rest default";
  return line;
}

Row MakeRow(SettingsFile& file, std::string_view key, ValueKind kind, const HudSettings& loaded) {
  const std::optional<IniEntry> entry = EntryThatCounts(file, key);
  return Row{std::string(key), LoadedText(file.role, key, loaded), Source(entry, kind),
             entry ? entry->line : 0};
}

Row ReloadRow(SettingsFile& layout, const HudSettings& loaded) {
  const std::optional<IniEntry> entry = EntryThatCounts(layout, kReloadSettingsKey);
  const std::string source = entry ? "line " + std::to_string(entry->line) : "default";
  return Row{std::string(kReloadSettingsKey), LoadedText(layout.role, kReloadSettingsKey, loaded),
             source + ": " + ReloadMeaning(loaded.RELOAD_SETTINGS), entry ? entry->line : 0};
}

void WriteRows(std::ostream& out, std::vector<Row> rows) {
  std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
    return (a.line == 0 ? UINT32_MAX : a.line) < (b.line == 0 ? UINT32_MAX : b.line);
  });
  for (const Row& row : rows) {
    std::string text = row.key + " = " + row.value;
    text.resize(std::max(kCommentColumn, text.size() + 1), ' ');
    out << text << "; " << row.source << '\n';
  }
}

}  // namespace

void WriteEffective(std::ostream& out, SettingsFile& layout, SettingsFile& colours,
                    const HudSettings& loaded) {
  std::vector<Row> rows;
  for (const LayoutSettingKey& key : kLayoutSettingKeys) {
    rows.push_back(MakeRow(layout, key.name, KindOf(key.field), loaded));
  }
  for (Row& row : rows) {
    if (const std::string used = WholeUnitsUsed(row.key, loaded); !used.empty()) {
      row.source += ", used as " + used;
    }
  }
  rows.push_back(ReloadRow(layout, loaded));
  out << "; " << layout.path << '\n';
  WriteRows(out, std::move(rows));

  rows.clear();
  for (const ColourSettingKey& key : kColourSettingKeys) {
    rows.push_back(MakeRow(colours, key.name, ValueKind::kColour, loaded));
  }
  for (Row& row : rows) {
    // The money's green and blue trade places on screen.
    if (row.key == "MONEY_COLOR")
      row.source += "; drawn as " + MoneyDrawnText(loaded.colours.MONEY_COLOR);
  }
  out << "; " << colours.path << ", selected by RADAR_TYPE " << loaded.RADAR_TYPE
      << (colours.readable ? "" : ", cannot be read") << '\n';
  WriteRows(out, std::move(rows));
}
