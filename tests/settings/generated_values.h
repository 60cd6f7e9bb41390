#pragma once
// Settings values made to find where two readers of numbers part: floats
// printed every way (shortest, long, exact midpoints between neighbours,
// denormals, past the range), integers at and past 32 bits, and the ways a
// read stops early or fails (signs, points and exponents without digits,
// hexadecimal, commas, white space of every kind, trailing letters). The same
// seed gives the same values.
#include <cstdint>
#include <string>
#include <vector>

namespace generated {

std::vector<std::string> FloatValues(std::uint32_t seed, std::size_t count);
std::vector<std::string> IntValues(std::uint32_t seed, std::size_t count);
// Several of the above in one value, as pairs and colours are written.
std::vector<std::string> ListValues(std::uint32_t seed, std::size_t count);

// Hand-picked edge values; the generated ones add to them.
extern const std::vector<std::string> kEdgeValues;

}  // namespace generated
