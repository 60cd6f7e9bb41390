#include "settings/value_scan.h"

#include <ios>
#include <locale>
#include <sstream>
#include <string>

namespace {

// The stream's position is asked of its buffer: the stream itself reports no
// position once a read has reached the end of the value.
template <typename Number>
NumberScan<Number> Scan(std::string_view value, std::size_t limit) {
  NumberScan<Number> scan;
  std::istringstream in{std::string(value)};
  in.imbue(std::locale::classic());
  while (scan.count < limit && scan.count < kMaxScannedNumbers) {
    Number number;
    if (!(in >> number)) break;
    scan.numbers[scan.count++] = number;
    scan.end =
        static_cast<std::size_t>(in.rdbuf()->pubseekoff(0, std::ios_base::cur, std::ios_base::in));
  }
  return scan;
}

}  // namespace

NumberScan<float> ScanFloats(std::string_view value, std::size_t limit) {
  return Scan<float>(value, limit);
}

NumberScan<std::int32_t> ScanInts(std::string_view value, std::size_t limit) {
  return Scan<std::int32_t>(value, limit);
}
