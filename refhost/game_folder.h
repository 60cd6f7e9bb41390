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
// The check compares the folder with what it held plus the scenario's writes
// as they stand (game_files()), so it passes again once they are put back.
std::function<std::string()> watch_game_folder(const std::string& requested);

// The folder of the game executable, ending in its separator: where a
// scenario's files go.
std::string game_folder();

// The folder operations the scenario's file edits need.
bool folder_exists(const std::string& path);
bool make_folder(const std::string& path);
bool remove_folder(const std::string& path);

}  // namespace refhost
