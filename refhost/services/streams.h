#pragma once
// The host's stream reader, as far as texture dictionaries need it: open a
// file by its host (Windows-style) path, find a chunk, read a dictionary from
// it, close. Stream type 2 is a file, mode 1 reading; nothing else opens.
// A file is read whole when opened; one larger than kMaxStreamBytes does not
// open. Streams are logged by their file's name ("hud_vc.txd", "hud_vc.txd
// (closed)"), paths relative to the log root, and FindChunk's two result
// pointers as null or "out".
#include <cstddef>
#include <string>

namespace refhost::streams {

constexpr int kFileStream = 2;
constexpr int kReadMode = 1;
constexpr std::size_t kMaxStreamBytes = 16 * 1024 * 1024;

// Streams opened and not yet closed.
int open_streams();
// Forgets every stream (their records stay, marked closed) and the log root.
void reset();
// Paths under this folder (spelled as the plug-in spells it) are logged
// relative to it; empty means the host executable's folder.
void set_log_root(std::string folder);

void register_services();

}  // namespace refhost::streams
