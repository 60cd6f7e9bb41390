#include "wheels/format_ring.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

FormatRing format_ring;

namespace {

char* FormatInto(char* buffer, const char* format, std::va_list args) {
  std::vsnprintf(buffer, kFormatRingBufferSize, format, args);
  buffer[kFormatRingBufferSize - 1] = 0;
  return buffer;
}

// Any index that is not a buffer's starts the ring again at the first.
std::size_t TakeBuffer() {
  std::int32_t index = format_ring.next;
  if (index < 0 || index >= static_cast<std::int32_t>(kFormatRingBuffers)) index = 0;
  format_ring.next = index + 1 == static_cast<std::int32_t>(kFormatRingBuffers) ? 0 : index + 1;
  return static_cast<std::size_t>(index);
}

}  // namespace

FormattedText FormatInRing(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  const char* text = FormatInto(format_ring.buffers[TakeBuffer()], format, args);
  va_end(args);
  FormattedText copy;
  copy.length = std::strlen(text);
  std::memcpy(copy.text, text, copy.length + 1);
  return copy;
}
