#pragma once
// The host's subtitle line, centred near the bottom.

void DrawSubtitles();
