#pragma once
// The settings of the folder as the page shows them: every key of the layout
// file and of the colour scheme file its RADAR_TYPE selects, with the element
// it belongs to, its unit, its default, the text written in the file, the
// value the plug-in reads, and the checker's findings on the folder.
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "edit/edit_session.h"
#include "known_keys.h"

inline constexpr std::string_view kLayoutFileName = "slatepane_VC.ini";

// The role of a file the studio may edit ("slatepane_VC.ini" or one of the
// three colour scheme files under color_configs/), or nullopt.
std::optional<FileRole> EditableFileRole(std::string_view file);

// Throws std::runtime_error when the layout file cannot be read.
nlohmann::json SettingsView(EditSession& session);

// The checker's findings on the folder, as its --json report.
nlohmann::json CheckerFindings(const std::string& folder);
