#pragma once
// The five texture dictionaries the plug-in ships, with the textures each
// holds (names and sizes only; their pixels come later).
#include <string>

namespace refhost {

// Writes them into `folder` (usually a slate_pane_morrowfen folder); false,
// with the reason in `error`, when a file cannot be written.
bool write_hud_dictionaries(std::string folder, std::string& error);

}  // namespace refhost
