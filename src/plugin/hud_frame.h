#pragma once
// In plugin/, the top room: the pass calls the elements in their order.

// The once-per-frame HUD pass, run right after the host's own HUD draw.
void HudFrame() noexcept;

// Host HUD routines whose output the plug-in's elements replace; the pass
// writes a return at each entry every frame, in this order.
void SuppressHostHudRoutines();
