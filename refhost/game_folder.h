#pragma once
#include <string>

namespace refhost {

// Plays an executable that lives in `folder`, so the plug-in finds its data
// folder there. Under Windows the executable is refhost.exe itself and the
// folder is its own; asking for another one is an error.
void use_game_folder(const std::string& folder);

// The player's folder that a run must leave as it was: `requested` (the
// --game-folder option) natively, empty when none was given; refhost.exe's
// own folder under Windows.
std::string watched_game_folder(const std::string& requested);

}  // namespace refhost
