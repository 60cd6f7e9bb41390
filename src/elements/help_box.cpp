#include "elements/help_box.h"

// PLACEHOLDER: filled by its element.
void DrawHelpBox() {}
