#pragma once
// Heap allocations counted by who asked for them (Linux only). Linking
// allocation_count.cpp into an executable replaces the malloc family there;
// operator new of the C++ runtime allocates through it, and so do the C
// runtime's own allocations (fopen's buffer, for one).
//
// While counting, each allocation is put down to the innermost caller on the
// stack that is either the plug-in or the executable itself (the reference
// host). The C and C++ runtimes and the loader count for whoever called them,
// so a std::string the plug-in builds, or a file it opens with fopen, is the
// plug-in's; a draw-log line that a host service writes is the host's.
#include <cstddef>

namespace refhost::allocation_count {

struct Counts {
  std::size_t plugin = 0;
  std::size_t host = 0;
  std::size_t unknown = 0;  // no caller on the stack was either
};

// Where the plug-in's code lies: the object `plugin`, a handle from
// load_plugin, names. Call it before start().
void watch(void* plugin);

// Zeroes the counts and counts from now on.
void start();
// Stops counting; returns the counts since start().
Counts stop();

}  // namespace refhost::allocation_count
