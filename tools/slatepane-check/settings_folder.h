#pragma once
// Finds the settings folder from what the user named, and builds the paths of
// the settings files in it as the report shows them.
#include <optional>
#include <string>

struct SettingsFolder {
  std::string path;  // as the report shows it, e.g. "slate_pane_morrowfen"; "" the current one
  char separator;    // '\' when the user wrote paths that way, else '/'
};

// The folder given is a game folder when it holds slate_pane_morrowfen, else
// the settings folder itself; no folder means ./slate_pane_morrowfen, or the
// current folder when it holds the layout file. nullopt when neither is there.
std::optional<SettingsFolder> FindSettingsFolder(const std::string& given);

// A file of the plug-in's data folder, named as the plug-in names it
// ("slate_pane_morrowfen\color_configs\VColors.ini"), inside this folder.
std::string SettingsFilePath(const SettingsFolder& folder, const char* plugin_path);
