#include "settings/hud_settings.h"

// constinit: the record holds its defaults before any static initialiser of the
// plug-in runs, whatever the order the loader runs them in.
constinit HudSettings hud_settings;
