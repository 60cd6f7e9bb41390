#pragma once
// The three odd-job texts of big-message slots 3, 4 and 5: a centred text
// above the middle, a result text while no mission title is up, and a
// repeating text whose phases and pause the host keeps in HostOddJob (phase,
// slide, hold timer, pause timer), where tests read them. Called only by the
// second scripted-text routine, under its gates.

void DrawOddJobTexts();
