#include "settings/line_scan.h"

#include <emmintrin.h>

#include <bit>

// Bytes are looked at sixteen at a time (SSE2, which both builds target):
// most of a settings file is comment lines, and looking for their ends, or
// for the end of a key, byte by byte would cost as much as reading the file.
namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '='; }
bool IsComment(char c) { return c == '#' || c == ';'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

__m128i Load(const char* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); }

unsigned Mask(__m128i matches) { return static_cast<unsigned>(_mm_movemask_epi8(matches)); }

__m128i Equal(__m128i bytes, char c) { return _mm_cmpeq_epi8(bytes, _mm_set1_epi8(c)); }

unsigned LineFeeds(const char* at) { return Mask(Equal(Load(at), '\n')); }

unsigned Comments(__m128i bytes) {
  return Mask(_mm_or_si128(Equal(bytes, '#'), Equal(bytes, ';')));
}

unsigned KeyEnds(__m128i bytes) {
  const __m128i separators =
      _mm_or_si128(_mm_or_si128(Equal(bytes, ' '), Equal(bytes, '\t')), Equal(bytes, '='));
  return Mask(separators) | Comments(bytes);
}

// The first byte in [at, end) that `stops` marks, or end. Whole blocks are
// read only inside the text.
template <typename Stops, typename Stop>
std::size_t FindFirst(std::string_view text, std::size_t at, std::size_t end, Stops stops,
                      Stop stop) {
  for (; at + 16 <= text.size() && at < end; at += 16) {
    const unsigned found = stops(Load(text.data() + at));
    if (found != 0) {
      const std::size_t first = at + static_cast<std::size_t>(std::countr_zero(found));
      return first < end ? first : end;
    }
  }
  while (at < end && !stop(text[at])) ++at;
  return at < end ? at : end;
}

std::uint32_t Offset(std::size_t at) { return static_cast<std::uint32_t>(at); }

struct Entry {
  std::size_t key_end;
  std::size_t value;
  std::size_t value_end;
};

// Byte by byte, for lines too long for the window below.
Entry ScanLongEntry(std::string_view text, std::size_t key, std::size_t end) {
  std::size_t k =
      FindFirst(text, key, end, KeyEnds, [](char c) { return IsSeparator(c) || IsComment(c); });
  Entry entry{k, k, k};
  while (k < end && IsSeparator(text[k])) ++k;
  entry.value = entry.value_end = k;
  if (k < end && !IsComment(text[k])) {
    k = FindFirst(text, k, end, Comments, IsComment);
    while (IsBlank(text[k - 1])) --k;  // the value's first byte is no blank
    entry.value_end = k;
  }
  return entry;
}

// Most entries fit in 32 bytes from the key on: one look at each kind of byte
// there, as bit masks, finds the key's end, the value and its end without a
// loop whose end could be mispredicted.
constexpr std::size_t kWindow = 32;

Entry ScanEntry(std::string_view text, std::size_t key, std::size_t end) {
  const std::size_t length = end - key;
  if (length >= kWindow || key + kWindow > text.size()) return ScanLongEntry(text, key, end);
  const __m128i low = Load(text.data() + key);
  const __m128i high = Load(text.data() + key + 16);
  const auto both = [&](auto mask) { return mask(low) | (mask(high) << 16); };
  const std::uint32_t in_line = (1u << length) - 1;
  const std::uint32_t blank =
      both([](__m128i b) { return Mask(_mm_or_si128(Equal(b, ' '), Equal(b, '\t'))); });
  const std::uint32_t separator = blank | both([](__m128i b) { return Mask(Equal(b, '=')); });
  const std::uint32_t comment = both(Comments);
  // Past the line's end every test stops: the bit at `length` is set in each.
  const std::uint32_t key_end = std::countr_zero(((separator | comment) & in_line) | ~in_line);
  const std::uint32_t value = std::countr_zero((~separator | ~in_line) & (~0u << key_end));
  Entry entry{key + key_end, key + value, key + value};
  if (value < length && (comment >> value & 1) == 0) {
    const std::uint32_t value_end =
        std::countr_zero((comment & in_line & (~0u << value)) | ~in_line);
    // The last byte that is no blank; the value's first is none.
    const std::uint32_t kept = ~blank & ((1u << value_end) - 1);
    entry.value_end = key + (32 - static_cast<std::size_t>(std::countl_zero(kept)));
  }
  return entry;
}

// The line is text[start, end), its line feed and the carriage return before
// it already cut off.
void ScanLine(std::string_view text, std::size_t start, std::size_t end, std::uint32_t number,
              std::vector<IniLine>& lines) {
  std::size_t key = start;
  while (key < end && IsSeparator(text[key])) ++key;
  if (key < end && IsComment(text[key])) return;  // a comment line
  const Entry entry = ScanEntry(text, key, end);
  // Filled in place: a line built aside and copied in makes the copy wait
  // on its own stores.
  IniLine& line = lines.emplace_back();
  line.key = Offset(key);
  line.key_size = Offset(entry.key_end - key);
  line.value = Offset(entry.value);
  line.value_size = Offset(entry.value_end - entry.value);
  line.start = Offset(start);
  line.number = number;
}

}  // namespace

void ScanLines(std::string_view text, std::vector<IniLine>& lines) {
  std::uint32_t number = 0;
  std::size_t start = 0;
  const auto line_ends_at = [&](std::size_t feed) {
    ++number;
    std::size_t end = feed;
    if (end > start && text[end - 1] == '\r') --end;
    // An empty line, or a comment line starting with its '#': nothing to scan.
    if (end > start && text[start] != '#') ScanLine(text, start, end, number, lines);
    start = feed + 1;
  };
  std::size_t block = 0;
  for (; block + 16 <= text.size(); block += 16) {
    for (unsigned feeds = LineFeeds(text.data() + block); feeds != 0; feeds &= feeds - 1) {
      line_ends_at(block + static_cast<std::size_t>(std::countr_zero(feeds)));
    }
  }
  for (; block < text.size(); ++block) {
    if (text[block] == '\n') line_ends_at(block);
  }
  // The last line need not end in a line feed; its carriage return stays.
  if (start < text.size()) ScanLine(text, start, text.size(), number + 1, lines);
}
