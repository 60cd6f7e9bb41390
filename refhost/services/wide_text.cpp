#include "services/wide_text.h"

#include <algorithm>
#include <cstdint>

#include "draw_log.h"
#include "host_image.h"
#include "routines.h"

namespace refhost {

namespace wide_text {

namespace {

int bounded(int limit) { return std::clamp(limit, 0, kBound); }

DrawLog& log_call(HostId id) { return draw_log().call(host_symbol(id).name); }

DrawLog& log_label(DrawLog& log, const void* where) {
  if (!log.recording()) return log;  // the label is for the log alone
  if (where == nullptr) return log.text(static_cast<const char*>(nullptr));
  return log.text(variable_label(where).c_str());
}

HOST_CDECL void copy(char16_t* destination, const char16_t* source, int limit) {
  log_label(log_label(log_call(HostId::HostWide_Copy), destination), source).i(limit);
  const int n = bounded(limit);
  if (destination == nullptr || n == 0) return;
  int k = 0;
  for (; source != nullptr && k < n - 1 && source[k] != 0; ++k) destination[k] = source[k];
  destination[k] = 0;
}

HOST_CDECL bool equal(const char16_t* first, const char16_t* second, int limit) {
  log_label(log_label(log_call(HostId::HostWide_Equal), first), second).i(limit);
  if (first == nullptr || second == nullptr) return first == second;
  const int n = bounded(limit);
  for (int k = 0; k < n; ++k) {
    if (first[k] != second[k]) return false;
    if (first[k] == 0) return true;
  }
  return true;
}

HOST_CDECL int length(const char16_t* text) {
  log_label(log_call(HostId::HostWide_Length), text);
  int n = 0;
  while (text != nullptr && n < kBound && text[n] != 0) ++n;
  return n;
}

}  // namespace

std::string variable_label(const void* where) {
  const HostImage* image = current_image();
  const auto* p = static_cast<const std::uint8_t*>(where);
  for (std::size_t id = 0; image != nullptr && id < kHostSymbolCount; ++id) {
    const HostSymbol& s = kHostSymbols[id];
    const std::uint8_t* start = image->symbol(static_cast<HostId>(id));
    if (s.kind != HostKind::Variable || start == nullptr) continue;
    if (p < start || p >= start + s.size) continue;
    const std::size_t offset = static_cast<std::size_t>(p - start);
    return offset == 0 ? s.name : std::string(s.name) + "+" + std::to_string(offset);
  }
  return "(unknown)";
}

}  // namespace wide_text

void register_wide_text_services() {
  implement<HostId::HostWide_Copy>(wide_text::copy);
  implement<HostId::HostWide_Equal>(wide_text::equal);
  implement<HostId::HostWide_Length>(wide_text::length);
}

}  // namespace refhost
