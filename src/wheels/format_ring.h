#pragma once
// The text buffers both wheels format their sprite names and printed names in:
// ten buffers used in turn, so a text stays intact for the next nine uses.
// Callers keep only the copy each use hands back.
#include <cstddef>
#include <cstdint>

inline constexpr std::size_t kFormatRingBuffers = 10;
inline constexpr std::size_t kFormatRingBufferSize = 4096;

struct FormatRing {
  char buffers[kFormatRingBuffers][kFormatRingBufferSize];
  std::int32_t next;  // the buffer the next use formats into
};

extern FormatRing format_ring;

// The caller's own copy of one formatted text. A fixed array rather than a
// heap string: the wheels format every frame and may not allocate.
struct FormattedText {
  char text[kFormatRingBufferSize];
  std::size_t length;
};

// printf-style, cut at the buffer's size; advances the ring from 9 back to 0.
FormattedText FormatInRing(const char* format, ...) __attribute__((format(printf, 1, 2)));
