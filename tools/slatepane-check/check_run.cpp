#include "check_run.h"

#include <optional>
#include <utility>

#include "effective.h"
#include "file_checks.h"
#include "options.h"
#include "report.h"
#include "settings/read_settings.h"
#include "settings/setting_keys.h"
#include "settings/settings_files.h"
#include "settings_file.h"
#include "settings_folder.h"
#include "value_text.h"

namespace {

constexpr int kStatusClean = 0, kStatusWarnings = 1, kStatusUnreadable = 2;

// The settings as the plug-in loads them: the layout file, the colour scheme
// file its RADAR_TYPE selects, and the reload switch last, as LoadHudSettings
// does in the game folder.
struct LoadedFolder {
  SettingsFile layout;
  SettingsFile colours;
  HudSettings settings;
};

LoadedFolder Load(const SettingsFolder& folder) {
  SettingsFile layout =
      OpenSettingsFile(FileRole::kLayout, SettingsFilePath(folder, kLayoutSettingsFile));
  HudSettings settings;
  ReadLayoutSettings(layout.ini, settings);
  SettingsFile colours = OpenSettingsFile(
      FileRole::kColourScheme, SettingsFilePath(folder, ColourSchemeFile(settings.RADAR_TYPE)));
  ReadColourScheme(colours.ini, settings.colours);
  settings.RELOAD_SETTINGS = ReadReloadSwitch(layout.ini);
  return LoadedFolder{std::move(layout), std::move(colours), settings};
}

// Which RADAR_TYPE picked the colour scheme file, pointing at it when set.
Finding SelectionNote(LoadedFolder& loaded) {
  const std::string scheme = loaded.colours.name;
  if (const std::optional<IniEntry> entry = EntryThatCounts(loaded.layout, "RADAR_TYPE")) {
    return MakeFinding(Severity::kNote, loaded.layout.path, entry->line,
                       entry->value_column != 0 ? entry->value_column : entry->key_column,
                       "colour-scheme",
                       "RADAR_TYPE " + FormatValue(loaded.settings.RADAR_TYPE) +
                           " selects the colour scheme " + scheme);
  }
  return MakeFinding(
      Severity::kNote, loaded.layout.path, 0, 0, "colour-scheme",
      "RADAR_TYPE is not set, and its default 1 selects the colour scheme " + scheme);
}

// A warning about the RADAR_TYPE line also says which scheme the value picks.
void NoteSelectionAfterRadarTypeWarning(std::vector<Finding>& findings, LoadedFolder& loaded) {
  const std::optional<IniEntry> entry = EntryThatCounts(loaded.layout, "RADAR_TYPE");
  if (!entry) return;
  for (Finding& f : findings) {
    if (f.line == entry->line && f.severity == Severity::kWarning) {
      f.notes.push_back(SelectionNote(loaded));
      return;
    }
  }
}

Finding MissingScheme(const SettingsFile& scheme, bool selected) {
  return MakeFinding(Severity::kWarning, scheme.path, 0, 0, "missing-colour-file",
                     selected ? "cannot read the colour scheme file, so all 21 colours take "
                                "their defaults"
                              : "cannot read the colour scheme file; were it selected, all 21 "
                                "colours would take their defaults");
}

void CheckScheme(Report& report, SettingsFile& scheme, LoadedFolder& loaded, bool verbose) {
  report.files.push_back(scheme.path);
  const bool selected = scheme.path == loaded.colours.path;
  if (!scheme.readable) {
    Finding missing = MissingScheme(scheme, selected);
    if (selected) missing.notes.push_back(SelectionNote(loaded));
    report.findings.push_back(std::move(missing));
    return;
  }
  const FileNames names{loaded.layout.name, scheme.name};
  for (Finding& f : CheckColourFile(scheme, names, verbose))
    report.findings.push_back(std::move(f));
}

Report CheckFolder(const SettingsFolder& folder, LoadedFolder& loaded,
                   const CheckOptions& options) {
  Report report;
  report.files.push_back(loaded.layout.path);
  const FileNames names{loaded.layout.name, loaded.colours.name};
  report.findings = CheckLayoutFile(loaded.layout, names, loaded.settings, options.verbose);
  if (options.verbose) {
    report.findings.push_back(SelectionNote(loaded));
  } else {
    NoteSelectionAfterRadarTypeWarning(report.findings, loaded);
  }
  if (!options.all_colours) {
    CheckScheme(report, loaded.colours, loaded, options.verbose);
  } else {
    for (const char* file : kColourSchemeFiles) {
      SettingsFile scheme =
          OpenSettingsFile(FileRole::kColourScheme, SettingsFilePath(folder, file));
      CheckScheme(report, scheme.path == loaded.colours.path ? loaded.colours : scheme, loaded,
                  options.verbose);
    }
  }
  report.status = WarningCount(report.findings) > 0 ? kStatusWarnings : kStatusClean;
  return report;
}

int Unreadable(std::string path, std::string message, const CheckOptions& options,
               std::ostream& out) {
  Report report;
  report.findings.push_back(
      MakeFinding(Severity::kError, std::move(path), 0, 0, "unreadable", std::move(message)));
  report.status = kStatusUnreadable;
  if (options.json) {
    WriteJson(out, report);
  } else {
    WriteText(out, report);
  }
  return kStatusUnreadable;
}

}  // namespace

int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string error;
  const std::optional<CheckOptions> options = ParseOptions(args, error);
  if (!options) {
    err << "slatepane-check: " << error << "\n" << kUsage;
    return kStatusUnreadable;
  }
  if (options->help) {
    out << kUsage;
    return kStatusClean;
  }
  const std::optional<SettingsFolder> folder = FindSettingsFolder(options->folder);
  if (!folder) {
    return Unreadable(options->folder.empty() ? "slate_pane_morrowfen" : options->folder,
                      "no such folder; name the game folder or its slate_pane_morrowfen folder",
                      *options, out);
  }
  LoadedFolder loaded = Load(*folder);
  if (!loaded.layout.readable) {
    return Unreadable(loaded.layout.path,
                      "cannot read the layout settings file; the plug-in would use every default",
                      *options, out);
  }
  const Report report = CheckFolder(*folder, loaded, *options);
  if (options->effective) {
    WriteEffective(out, loaded.layout, loaded.colours, loaded.settings);
  } else if (options->json) {
    WriteJson(out, report);
  } else {
    WriteText(out, report);
  }
  return report.status;
}
