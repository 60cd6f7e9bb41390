#pragma once
// The texture dictionaries the plug-in loads, in its load order, with the
// names it looks up in each: what a test lays into a game folder so that
// every lookup finds its texture.
#include <string>
#include <vector>

struct ShippedDictionary {
  const char* file;
  std::vector<std::string> names;
};

inline const ShippedDictionary kShippedDictionaries[] = {
    {"hud_vc.txd", {"clrect", "blrect", "bar", "star", "timerbar"}},
    {"crosshairs_vc.txd",
     {"siterocket", "sitesniper", "sitelaser", "siteM16", "viewfinder_128", "laserdot",
      "snipertarget", "assault", "shotgun", "smg"}},
    {"ring_vc.txd", {"sring", "shl", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}},
    {"radio_vc.txd", {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
    {"phone.txd", {"phone", "phone_class"}},
};
