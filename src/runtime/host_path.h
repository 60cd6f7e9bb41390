#pragma once
// Plug-in files live in a folder beside the host executable.
#include <cstddef>

inline constexpr std::size_t kHostPathBuffer = 261;

// The host executable's folder, ending in its separator ('\' or '/'), worked out
// once. Empty when the executable's path does not fit the buffer.
const char* host_folder();

// host_folder() followed by rel, in one static buffer that each call
// overwrites: use the result before calling again. Empty when the folder is
// unknown or the joined path would not fit: the file then counts as missing,
// rather than a cut-off path naming some other file.
const char* host_path(const char* rel);

// The two steps behind them, on caller buffers, so they can be tried apart
// from the once-only caches.
bool find_host_folder(char (&buffer)[kHostPathBuffer]);
bool join_host_path(char (&buffer)[kHostPathBuffer], const char* folder, const char* rel);
