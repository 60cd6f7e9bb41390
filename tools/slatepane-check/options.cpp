#include "options.h"

std::optional<CheckOptions> ParseOptions(const std::vector<std::string>& args, std::string& error) {
  CheckOptions options;
  bool folder_given = false;
  for (const std::string& arg : args) {
    if (arg == "--all-colours" || arg == "--all-colors") {
      options.all_colours = true;
    } else if (arg == "--verbose" || arg == "-v") {
      options.verbose = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "--effective") {
      options.effective = true;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg.starts_with("-") && arg.size() > 1) {
      error = "unknown option " + arg;
      return std::nullopt;
    } else if (folder_given) {
      error = "one folder only: " + options.folder + " and " + arg;
      return std::nullopt;
    } else {
      options.folder = arg;
      folder_given = true;
    }
  }
  if (options.json && options.effective) {
    error = "--json and --effective cannot be combined";
    return std::nullopt;
  }
  return options;
}
