#pragma once
// The reload key: polled once per host frame step, after the first frame.

// Re-reads the layout settings when RELOAD_SETTINGS is -1, or while the key
// it names is held.
void SettingsPoll();
