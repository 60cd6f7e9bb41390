#include "settings/generated_values.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

namespace generated {

namespace {

const char* const kBefore[] = {"", "", "", " ", "\t", "  ", "\v", "\f", "\r", "\n", "+", "-"};
const char* const kAfter[] = {"",  "",   "",  "",  "abc", ",",  "e", "E+", "e-", ".", "..",
                              "x", " 7", ";", "#", "f",   "e5", "%", "\t", "-",  "+"};

std::string Printed(const char* format, double value, int precision = -1) {
  char buffer[512];
  if (precision < 0) {
    std::snprintf(buffer, sizeof buffer, format, value);
  } else {
    std::snprintf(buffer, sizeof buffer, format, precision, value);
  }
  return buffer;
}

template <std::size_t N>
const char* Pick(std::mt19937& random, const char* const (&choices)[N]) {
  return choices[random() % N];
}

// The exact decimal expansion of a float midpoint (well under 120 digits)
// moved by one unit in its 120th digit, up or down: a double cannot tell it
// from the midpoint, so only a conversion rounding once, to float, gets it
// right.
std::string BesideMidpoint(double midpoint, bool above) {
  std::string text = Printed("%.*e", midpoint, 120);
  const std::size_t e = text.find('e');
  if (above) {
    text[e - 1] = '1';
    return text;
  }
  std::size_t k = e - 1;
  while (text[k] == '0' || text[k] == '.') {
    if (text[k] == '0') text[k] = '9';
    --k;
  }
  --text[k];
  return text;
}

float RandomFloat(std::mt19937& random) {
  for (;;) {
    const float value = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
    if (std::isfinite(value)) return value;
  }
}

// A float, written one of several ways.
std::string FloatText(std::mt19937& random) {
  const float value = RandomFloat(random);
  const float next = std::nextafter(value, std::numeric_limits<float>::infinity());
  // Exact, in a double: the point half way to the next float up.
  const double midpoint = (static_cast<double>(value) + static_cast<double>(next)) / 2.0;
  switch (random() % 11) {
    case 9:
      return BesideMidpoint(midpoint, true);
    case 10:
      return BesideMidpoint(midpoint, false);
    case 0:
      return Printed("%.9g", value);
    case 1:
      return Printed("%.6g", value);
    case 2:
      return Printed("%.17g", static_cast<double>(value));
    case 3:
      return Printed("%.*e", midpoint, 120);  // exactly half way: ties go to even
    case 4:
      return Printed("%.*e", std::nextafter(midpoint, 0.0), 120);
    case 5:
      return Printed("%.*e", std::nextafter(midpoint, 1e300), 120);
    case 6:
      return Printed("%f", value);
    case 7:
      return Printed("%a", value);  // hexadecimal: the stream reads the 0
    default:
      return Printed("%.3f", static_cast<double>(random() % 100000) / 1000.0);
  }
}

std::string Digits(std::mt19937& random, std::size_t count) {
  std::string digits;
  for (std::size_t k = 0; k < count; ++k) digits += static_cast<char>('0' + random() % 10);
  return digits;
}

// Digits, a point and an exponent put together at random, including the
// forms a stream takes but cannot convert.
std::string DecimalText(std::mt19937& random) {
  std::string text = Digits(random, random() % 12);
  if (random() % 2) text.insert(0, random() % 4, '0');
  if (random() % 2) {
    text += '.';
    text += Digits(random, random() % 12);
  }
  if (random() % 3 == 0) {
    text += random() % 2 ? "e" : "E";
    if (random() % 2) text += random() % 2 ? "-" : "+";
    const int exponent_digits = static_cast<int>(random() % 4);
    text += Digits(random, static_cast<std::size_t>(exponent_digits));
  }
  return text;
}

std::string Dressed(std::mt19937& random, const std::string& number) {
  return std::string(Pick(random, kBefore)) + number + Pick(random, kAfter);
}

}  // namespace

const std::vector<std::string> kEdgeValues = {"",
                                              " ",
                                              "+",
                                              "-",
                                              ".",
                                              "-.",
                                              "+.",
                                              "e5",
                                              ".e5",
                                              "5.",
                                              "5.e3",
                                              ".5",
                                              "-.5e-1",
                                              "1e",
                                              "1e+",
                                              "1e-",
                                              "1ee5",
                                              "1e5e3",
                                              "1.2.3",
                                              "1e5.5",
                                              "0x41",
                                              "0X41",
                                              "12,5",
                                              "7 8",
                                              "\v4",
                                              "--1",
                                              "+-1",
                                              "-+1",
                                              "- 1",
                                              "0",
                                              "-0",
                                              "+0",
                                              "-0.0",
                                              "0e999999",
                                              "0.0e-99999",
                                              "000000000000000000000000000001",
                                              "1" + std::string(60, '0'),
                                              "1" + std::string(45, '0'),
                                              "0." + std::string(44, '0') + "1",
                                              "0." + std::string(45, '0') + "1",
                                              "1e38",
                                              "3.4028235e38",
                                              "3.40282346638528859811704183484516925440e+38",
                                              "3.40282356779733661637539395458142568447e+38",
                                              "3.40282356779733661637539395458142568448e+38",
                                              "3.4028236e38",
                                              "1e39",
                                              "-1e39",
                                              "1e99999999999999999999",
                                              "1e-99999999999999999999",
                                              "1e-38",
                                              "1.17549435e-38",
                                              "1.1754942e-38",
                                              "1e-45",
                                              "1.4e-45",
                                              "1.401298464324817e-45",
                                              "7.006492321624085e-46",
                                              "7.006492321624086e-46",
                                              "7e-46",
                                              "1e-46",
                                              "-1e-46",
                                              "1e-60",
                                              "16777216",
                                              "16777217",
                                              "16777218",
                                              "33554433",
                                              "0.1",
                                              "0.2",
                                              "0.3",
                                              "1e10",
                                              "1e11",
                                              "1e-10",
                                              "1e-11",
                                              "9999999",
                                              "99999999",
                                              "0.0000001",
                                              "123456.7",
                                              "1234567.8",
                                              "2147483647",
                                              "2147483648",
                                              "-2147483648",
                                              "-2147483649",
                                              "4294967295",
                                              "4294967296",
                                              "99999999999",
                                              "007",
                                              "-007",
                                              "12.7",
                                              "1e3",
                                              "true",
                                              "yes",
                                              "no",
                                              "0x",
                                              "00x5",
                                              "300 -1 0 0",
                                              "10 20 30",
                                              "1 2 3 4 5",
                                              "10,20,30,40",
                                              "10 x 30",
                                              "-256 511 -129 128",
                                              "99999999999 5",
                                              "1e39 2",
                                              "0.44 0.859",
                                              "53 258",
                                              "1\t2",
                                              "1 x",
                                              "x 2",
                                              "12.5abc",
                                              "12.5e",
                                              "0.5 x",
                                              "  7 8",
                                              "1\n2",
                                              "1\r2",
                                              "1\f\v2"};

std::vector<std::string> FloatValues(std::uint32_t seed, std::size_t count) {
  std::mt19937 random(seed);
  std::vector<std::string> values;
  values.reserve(count);
  while (values.size() < count) {
    values.push_back(Dressed(random, random() % 3 == 0 ? DecimalText(random) : FloatText(random)));
  }
  return values;
}

std::vector<std::string> IntValues(std::uint32_t seed, std::size_t count) {
  std::mt19937 random(seed);
  std::vector<std::string> values;
  values.reserve(count);
  while (values.size() < count) {
    std::string number;
    switch (random() % 4) {
      case 0:
        number = std::to_string(static_cast<std::int32_t>(random()));
        break;
      case 1:  // near and past the 32-bit range
        number = std::to_string(static_cast<std::int64_t>(random() % 8) + 2147483644);
        if (random() % 2) number = "-" + number;
        break;
      case 2:
        number = Digits(random, 1 + random() % 14);
        break;
      default:
        number = DecimalText(random);
        break;
    }
    values.push_back(Dressed(random, number));
  }
  return values;
}

std::vector<std::string> ListValues(std::uint32_t seed, std::size_t count) {
  std::mt19937 random(seed);
  const char* const separators[] = {" ", " ", "\t", "  ", ",", ", ", " x ", "\v", ""};
  const std::vector<std::string> floats = FloatValues(seed + 1, 64);
  const std::vector<std::string> ints = IntValues(seed + 2, 64);
  std::vector<std::string> values;
  values.reserve(count);
  while (values.size() < count) {
    std::string value;
    const std::size_t parts = 1 + random() % 5;
    for (std::size_t k = 0; k < parts; ++k) {
      if (k > 0) value += Pick(random, separators);
      const std::vector<std::string>& from = random() % 2 ? floats : ints;
      value += from[random() % from.size()];
    }
    values.push_back(value);
  }
  return values;
}

}  // namespace generated
