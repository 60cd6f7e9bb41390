#pragma once
#include <functional>
#include <string>

namespace refhost {

// Plays an executable that lives in `folder`, so the plug-in finds its data
// folder there. Under Windows the executable is refhost.exe itself and the
// folder is its own; asking for another one is an error.
void use_game_folder(const std::string& folder);

// Takes the contents of the player's folder now (natively the --game-folder
// folder, when given) and returns the check that the run left them as they
// were: empty when it did. Under Windows nothing is watched: refhost.exe must
// end below the host image, 2 MB above its base, and the file-system library
// would take it past that.
std::function<std::string()> watch_game_folder(const std::string& requested);

}  // namespace refhost
