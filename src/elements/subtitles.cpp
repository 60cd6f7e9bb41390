#include "elements/subtitles.h"

// PLACEHOLDER: filled by its element.
void DrawSubtitles() {}
