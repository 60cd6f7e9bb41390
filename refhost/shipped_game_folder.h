#pragma once
// A game folder laid out as a player's, for hosts that play the shipped
// plug-in files: the settings folder as shipped, with the five texture
// dictionaries that the preview's make_hud_dictionaries draws.
#include <string>

namespace refhost {

// Makes a fresh folder under the temporary folder and plays the executable
// that lives there (use_game_folder). Returns it, or empty with the reason
// in `error`. `data` is the shipped slate_pane_morrowfen folder.
std::string make_shipped_game_folder(const std::string& data, const std::string& make_dictionaries,
                                     std::string& error);

}  // namespace refhost
