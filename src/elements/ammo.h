#pragma once
// The ammunition of the current weapon, below the money.

void DrawAmmo(float lift, float drop);
