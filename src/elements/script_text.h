#pragma once
// The 48 lines of text that host scripts place on the screen.

void DrawScriptTextA();
void DrawScriptTextB();
