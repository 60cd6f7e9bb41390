#include "elements/wanted_stars.h"

// PLACEHOLDER: filled by its element.
void DrawWantedStars() {}
