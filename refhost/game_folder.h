#pragma once
#include <string>

namespace refhost {

// Plays an executable that lives in `folder`, so the plug-in finds its data
// folder there. Under Windows the executable is refhost.exe itself and the
// folder is its own; asking for another one is an error.
void use_game_folder(const std::string& folder);

}  // namespace refhost
