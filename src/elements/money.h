#pragma once
// The player's money, right-aligned near the top right corner.

void DrawMoney(int offset);
