#pragma once
// A whole file read into a buffer, through the operating system's own file
// calls: no stdio stream, whose buffer would be allocated on every open.
#include "settings/byte_buffer.h"

// Replaces the buffer's bytes with the file's. False when the file cannot be
// opened or a read fails: the file then counts as unreadable, and the buffer
// as empty, rather than as whatever part of it came in.
bool ReadFileBytes(const char* path, ByteBuffer& bytes);
