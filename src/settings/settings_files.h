#pragma once
// Where the settings files lie, relative to the host executable's folder, and
// which colour scheme file a radar type selects.
#include <cstdint>
#include <string_view>

inline constexpr std::string_view kDataFolder = "slate_pane_morrowfen\\";
inline constexpr const char* kLayoutSettingsFile = "slate_pane_morrowfen\\slatepane_VC.ini";
inline constexpr const char* kClassicColoursFile =
    "slate_pane_morrowfen\\color_configs\\ClassicColors.ini";
inline constexpr const char* kModernColoursFile =
    "slate_pane_morrowfen\\color_configs\\ModernColors.ini";
inline constexpr const char* kVColoursFile = "slate_pane_morrowfen\\color_configs\\VColors.ini";

// The three colour scheme files in the order of the radar types that pick them.
inline constexpr const char* kColourSchemeFiles[] = {kClassicColoursFile, kModernColoursFile,
                                                     kVColoursFile};

// The colour scheme file for a radar type: 1 Classic, 2 Modern, any other V.
constexpr const char* ColourSchemeFile(std::int32_t radar_type) {
  switch (radar_type) {
    case 1:
      return kClassicColoursFile;
    case 2:
      return kModernColoursFile;
    default:
      return kVColoursFile;
  }
}

// Every settings file lies in the data folder.
static_assert(std::string_view(kLayoutSettingsFile).starts_with(kDataFolder));
static_assert(std::string_view(kClassicColoursFile).starts_with(kDataFolder));
static_assert(std::string_view(kModernColoursFile).starts_with(kDataFolder));
static_assert(std::string_view(kVColoursFile).starts_with(kDataFolder));
