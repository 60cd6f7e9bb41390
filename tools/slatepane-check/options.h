#pragma once
// The command line of slatepane-check.
#include <optional>
#include <string>
#include <vector>

struct CheckOptions {
  std::string folder;        // as given; empty for the current folder
  bool all_colours = false;  // check all three colour scheme files
  bool verbose = false;      // also list the keys left out, and plain meanings
  bool json = false;         // the findings as JSON
  bool effective = false;    // every setting with the value the plug-in uses
  bool help = false;
};

inline constexpr const char* kUsage =
    "usage: slatepane-check [--all-colours] [--verbose] [--json | --effective] [folder]\n"
    "\n"
    "Checks the slatepane settings as the plug-in reads them: the layout file\n"
    "slatepane_VC.ini and the colour scheme file its RADAR_TYPE selects.\n"
    "folder is the game folder or its slate_pane_morrowfen folder (default: the\n"
    "current folder's slate_pane_morrowfen).\n"
    "\n"
    "  --all-colours  check all three colour scheme files\n"
    "  --verbose      also list every key left out and the default it takes\n"
    "  --json         print the findings as JSON\n"
    "  --effective    print every setting with the value the plug-in uses and\n"
    "                 where it comes from\n"
    "\n"
    "Exit status: 0 no warnings, 1 warnings, 2 a folder or file cannot be read.\n";

// The options, or nullopt with `error` set.
std::optional<CheckOptions> ParseOptions(const std::vector<std::string>& args, std::string& error);
