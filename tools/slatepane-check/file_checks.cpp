#include "file_checks.h"

#include <algorithm>
#include <string>
#include <utility>

#include "money_colour.h"
#include "reload_check.h"
#include "setting_text.h"
#include "settings/setting_keys.h"
#include "value_checks.h"
#include "value_text.h"
#include "workable_checks.h"

namespace {

void Append(std::vector<Finding>& to, std::vector<Finding> findings) {
  for (Finding& f : findings) to.push_back(std::move(f));
}

void SortByPlace(std::vector<Finding>& findings) {
  std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
    return std::pair(a.line, a.column) < std::pair(b.line, b.column);
  });
}

// Each key the file does not give, and the default it takes, in reading order.
std::vector<Finding> AbsentKeyNotes(SettingsFile& file) {
  std::vector<Finding> notes;
  for (const std::string_view key : KnownKeys(file.role)) {
    if (EntryThatCounts(file, key)) continue;
    const std::string consequence = key == kReloadSettingsKey
                                        ? ReloadMeaning(0)
                                        : "it takes its default " + DefaultText(file.role, key);
    notes.push_back(MakeFinding(Severity::kNote, file.path, 0, 0, "absent",
                                Quote(key) + " is not in the file, so " + consequence));
  }
  return notes;
}

// The checks every settings file gets, before its values.
std::vector<Finding> CheckKeys(SettingsFile& file, const FileNames& names) {
  std::vector<Finding> findings = CheckByteOrderMark(file);
  Append(findings, CheckUnknownKeys(file, names));
  Append(findings, CheckDuplicateKeys(file));
  return findings;
}

}  // namespace

std::vector<Finding> CheckLayoutFile(SettingsFile& layout, const FileNames& names,
                                     const HudSettings& loaded, bool verbose) {
  std::vector<Finding> findings = CheckKeys(layout, names);
  for (const LayoutSettingKey& key : kLayoutSettingKeys) {
    std::vector<Finding> reading = CheckLayoutValue(layout, key);
    // How a value reads comes first: a value read in part is judged only once mended.
    Append(findings,
           reading.empty() ? CheckWorkableValue(layout, key, loaded) : std::move(reading));
  }
  Append(findings, CheckReloadSwitch(layout, loaded.RELOAD_SETTINGS, verbose));
  SortByPlace(findings);
  if (verbose) Append(findings, AbsentKeyNotes(layout));
  return findings;
}

std::vector<Finding> CheckColourFile(SettingsFile& colours, const FileNames& names, bool verbose) {
  std::vector<Finding> findings = CheckKeys(colours, names);
  for (const ColourSettingKey& key : kColourSettingKeys) {
    Append(findings, CheckColourValue(colours, key));
  }
  Append(findings, CheckMoneyColour(colours));
  SortByPlace(findings);
  if (verbose) Append(findings, AbsentKeyNotes(colours));
  return findings;
}
