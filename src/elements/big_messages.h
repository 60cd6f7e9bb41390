#pragma once
// The big message and the wasted/busted message in the middle of the screen.

void DrawBigMessages();
