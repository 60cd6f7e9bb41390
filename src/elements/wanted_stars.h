#pragma once
// The wanted level as a row of up to six stars at the top right.

void DrawWantedStars();
