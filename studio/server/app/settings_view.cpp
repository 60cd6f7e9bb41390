#include "settings_view.h"

#include <sstream>
#include <stdexcept>

#include "check_run.h"
#include "edit/value_edit.h"
#include "key_facts.h"
#include "setting_text.h"
#include "settings/read_settings.h"
#include "settings/setting_keys.h"
#include "settings/settings_files.h"
#include "value_reading.h"

using nlohmann::json;

namespace {

constexpr std::string_view kColourFolder = "color_configs/";

// "slate_pane_morrowfen\color_configs\VColors.ini" -> "color_configs/VColors.ini"
std::string FolderRelative(std::string_view plugin_path) {
  std::string name(plugin_path.substr(plugin_path.find('\\') + 1));
  for (char& c : name) c = c == '\\' ? '/' : c;
  return name;
}

const char* KindName(ValueKind kind) {
  switch (kind) {
    case ValueKind::kInteger:
      return "integer";
    case ValueKind::kNumber:
      return "number";
    case ValueKind::kPair:
      return "pair";
    case ValueKind::kFlag:
      return "flag";
    case ValueKind::kColour:
      break;
  }
  return "colour";
}

std::string LayoutKind(std::string_view key) {
  for (const LayoutSettingKey& row : kLayoutSettingKeys) {
    if (row.name == key) return KindName(KindOf(row.field));
  }
  return "key code";
}

json Line(const IniFile& file, std::string_view key) {
  for (const IniEntry& e : file.entries()) {
    if (e.key == key && !e.absent) return e.line;
  }
  return nullptr;
}

json KeyRow(const KeyFacts& facts, FileRole role, const std::string& file, std::string_view bytes,
            const IniFile& ini, const HudSettings& loaded) {
  const std::optional<std::string> written = ValueThatCounts(bytes, facts.name);
  json row = {{"name", facts.name},
              {"file", file},
              {"group", facts.group},
              {"unit", UnitName(facts)},
              {"move", facts.move},
              {"resize", facts.resize},
              {"whole", facts.rule.whole_units},
              {"kind", role == FileRole::kLayout ? LayoutKind(facts.name) : "colour"},
              {"default", DefaultText(role, facts.name)},
              {"value", LoadedText(role, facts.name, loaded)},
              {"written", written ? json(*written) : json(nullptr)},
              {"line", Line(ini, facts.name)}};
  if (!facts.drawn.empty()) row["drawn"] = facts.drawn;
  return row;
}

}  // namespace

std::optional<FileRole> EditableFileRole(std::string_view file) {
  if (file == kLayoutFileName) return FileRole::kLayout;
  for (const char* scheme : kColourSchemeFiles) {
    if (file == FolderRelative(scheme)) return FileRole::kColourScheme;
  }
  return std::nullopt;
}

json CheckerFindings(const std::string& folder) {
  std::ostringstream out, err;
  RunCheck({"--json", folder}, out, err);
  json report = json::parse(out.str(), nullptr, false);
  return report.is_discarded() ? json::object() : report;
}

json SettingsView(EditSession& session) {
  const EditResult layout = session.Read(kLayoutFileName);
  if (!layout.ok()) throw std::runtime_error(layout.message);
  IniFile layout_ini = IniFile::FromText(layout.bytes);
  HudSettings loaded;
  ReadLayoutSettings(layout_ini, loaded);
  const std::string colour_file = FolderRelative(ColourSchemeFile(loaded.RADAR_TYPE));
  const EditResult colours = session.Read(colour_file);
  IniFile colour_ini = IniFile::FromText(colours.ok() ? colours.bytes : "");
  ReadColourScheme(colour_ini, loaded.colours);
  loaded.RELOAD_SETTINGS = ReadReloadSwitch(layout_ini);

  json keys = json::array();
  for (const KeyFacts& facts : LayoutKeyFacts()) {
    keys.push_back(KeyRow(facts, FileRole::kLayout, std::string(kLayoutFileName), layout.bytes,
                          layout_ini, loaded));
  }
  for (const KeyFacts& facts : ColourKeyFacts()) {
    keys.push_back(
        KeyRow(facts, FileRole::kColourScheme, colour_file, colours.bytes, colour_ini, loaded));
  }
  return {{"folder", session.folder().string()},
          {"layoutFile", kLayoutFileName},
          {"colourFile", colour_file},
          {"colourFileReadable", colours.ok()},
          {"keys", std::move(keys)},
          {"findings", CheckerFindings(session.folder().string())},
          {"undo", session.undo_count()},
          {"redo", session.redo_count()}};
}
