#pragma once
// Host texts are zero-terminated 16-bit strings kept in fixed host fields.
// The plug-in reads one only within the bound of its field: a text that lacks
// its terminator is cut at the bound, never read or copied past it.
#include <cstddef>

#include "runtime/host_interface.h"
#include "runtime/host_record.h"

inline bool HostTextEmpty(const char16_t* text) { return text == nullptr || text[0] == 0; }

// Characters before the terminator, at most `bound`.
inline std::size_t HostTextLength(const char16_t* text, std::size_t bound) {
  std::size_t n = 0;
  while (n < bound && text[n] != 0) ++n;
  return n;
}

// Copies at most N - 1 characters of a host text and terminates the copy:
// size the buffer one beyond the field's bound.
template <std::size_t N>
const char16_t* CopyHostText(char16_t (&out)[N], const char16_t* text) {
  const std::size_t n = text == nullptr ? 0 : HostTextLength(text, N - 1);
  for (std::size_t k = 0; k < n; ++k) out[k] = text[k];
  out[n] = 0;
  return out;
}

// The host's big-message texts: six slots of 128 characters, one after another.
inline constexpr std::size_t kBigMessageChars = 128;
inline constexpr int kBigMessageSlots = 6;

inline char16_t* BigMessageSlot(int slot) {
  return HostText::BigMessageSlots() + kBigMessageChars * static_cast<std::size_t>(slot);
}

// The zone and vehicle names the host publishes by pointer live in its text
// tables, whose entries are short; a name is read up to this many characters.
inline constexpr std::size_t kHostNameChars = 64;

// Copies a text kept inside a host record at `offset` (8-bit texts as char,
// 16-bit ones as char16_t), at most N - 1 characters, read field by field.
template <typename Char, std::size_t N>
const Char* CopyRecordText(Char (&out)[N], const void* record, std::size_t offset) {
  std::size_t n = 0;
  for (; n < N - 1; ++n) {
    const Char c = read_field<Char>(record, offset + n * sizeof(Char));
    if (c == 0) break;
    out[n] = c;
  }
  out[n] = 0;
  return out;
}
