#include "frame/number_text.h"

#include <cstdarg>
#include <cstdio>

#include "runtime/host_interface.h"

char NumberText[kNumberTextSize];
char16_t NumberTextWide[kNumberTextSize];

namespace {

const char16_t* Widen(char* text, char16_t* wide, std::size_t size, const char* format,
                      std::va_list args) {
  std::vsnprintf(text, size, format, args);
  text[size - 1] = 0;
  HostText::AsciiToWide(text, wide);
  return wide;
}

}  // namespace

const char16_t* FormatNumberText(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  const char16_t* wide = Widen(NumberText, NumberTextWide, kNumberTextSize, format, args);
  va_end(args);
  return wide;
}

const char16_t* FormatHostText(char* text, char16_t* wide, std::size_t size, const char* format,
                               ...) {
  std::va_list args;
  va_start(args, format);
  const char16_t* result = Widen(text, wide, size, format, args);
  va_end(args);
  return result;
}
