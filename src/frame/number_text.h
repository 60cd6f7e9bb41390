#pragma once
// The text buffers the number-printing elements (money, ammunition, clock)
// share. Each use formats into the 8-bit buffer, cut at its size, and the host
// widens it into the 16-bit one; both are overwritten by the next use.
#include <cstddef>

inline constexpr std::size_t kNumberTextSize = 32;

extern char NumberText[kNumberTextSize];
extern char16_t NumberTextWide[kNumberTextSize];

// Formats into the shared buffers and returns the 16-bit text.
const char16_t* FormatNumberText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The same into buffers of the caller's, each of `size` elements.
const char16_t* FormatHostText(char* text, char16_t* wide, std::size_t size, const char* format,
                               ...) __attribute__((format(printf, 4, 5)));
