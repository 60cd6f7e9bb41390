#pragma once
#include <string>

// The game folder the test process plays: host_folder() returns this path
// (with its trailing '/'), and plug-in files go under slate_pane_morrowfen/.
const std::string& test_game_folder();

// Writes a file under the game folder (relative path with '/'), creating folders.
void write_game_file(const std::string& relative, const std::string& contents);
void remove_game_file(const std::string& relative);
