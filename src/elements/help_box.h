#pragma once
// The host's help message in a box at the top left, run on the host's own
// help variables.

void DrawHelpBox();
