#pragma once
// The three odd-job texts of the big-message slots 3, 4 and 5.

void DrawOddJobTexts();
