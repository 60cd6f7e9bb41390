#include "os_options.h"

#include <cstdlib>

namespace refhost {

namespace {

// A positive decimal count.
bool read_count(const char* text, int& out) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value <= 0 || value > 1000000000L) return false;
  out = static_cast<int>(value);
  return true;
}

// A host address of the image's code, written as --print-map and the draw log
// write it (0x and hexadecimal digits).
bool read_code_address(const char* text, std::uint32_t& out) {
  if (text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) return false;
  char* end = nullptr;
  const unsigned long value = std::strtoul(text + 2, &end, 16);
  if (end == text + 2 || *end != '\0') return false;
  if (value < HostImage::kFirst || value >= HostImage::kCodeEnd) return false;
  out = static_cast<std::uint32_t>(value);
  return true;
}

}  // namespace

bool OsOptions::any() const {
  return log.protections || log.key_queries || log.message_boxes || refuse_call != 0 ||
         refuse_every != 0 || refuse_at != 0 || module_handle_fails_from != 0;
}

std::string read_os_option(int argc, char** argv, int& k, OsOptions& o) {
  const std::string arg = argv[k];
  bool* const flag = arg == "--log-protection"      ? &o.log.protections
                     : arg == "--log-key-queries"   ? &o.log.key_queries
                     : arg == "--log-message-boxes" ? &o.log.message_boxes
                                                    : nullptr;
  if (flag != nullptr) {
    *flag = true;
    return "";
  }
  int* const count = arg == "--refuse-protection-call"     ? &o.refuse_call
                     : arg == "--refuse-every-protection"  ? &o.refuse_every
                     : arg == "--module-handle-fails-from" ? &o.module_handle_fails_from
                                                           : nullptr;
  if (count == nullptr && arg != "--refuse-protection-at") return "unknown";
  if (k + 1 >= argc) return arg + " needs a value";
  const char* value = argv[++k];
  if (count == nullptr) {  // --refuse-protection-at
    if (read_code_address(value, o.refuse_at)) return "";
    return arg + " takes a host code address from 0x600000 to 0x6FFFFF, not " + value;
  }
  if (read_count(value, *count)) return "";
  return arg + " takes a positive count, not " + value;
}

}  // namespace refhost
