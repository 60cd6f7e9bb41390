#pragma once
// The mission timer and up to three counters, as numbers or bars, in the right
// half of the screen on "timerbar" backgrounds. The host keeps them in its
// on-screen timer record and formats their texts; an item blinks for about 50
// frames when it first becomes active. Its seen flags and blink counters are
// the host's (HostOnscreenTimer), where tests read them.

void DrawMissionTimers();
