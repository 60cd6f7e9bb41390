#include "services/text_table.h"

#include <map>
#include <set>

#include "draw_log.h"
#include "routines.h"

namespace refhost {

namespace text_table {

namespace {

std::map<std::string, std::u16string, std::less<>>& entries() {
  static std::map<std::string, std::u16string, std::less<>> table;
  return table;
}

// Set nodes never move, so a name's address outlives later insertions.
std::set<std::u16string, std::less<>>& names() {
  static std::set<std::u16string, std::less<>> published;
  return published;
}

HOST_CDECL const char16_t* lookup(const char* key) {
  draw_log().call(host_symbol(HostId::HostText_Lookup).name).text(key);
  static const char16_t kMissing[] = u"";
  if (key == nullptr) return kMissing;
  const auto found = entries().find(std::string_view(key));
  return found == entries().end() ? kMissing : found->second.c_str();
}

}  // namespace

void set_entry(const std::string& key, const std::u16string& text) { entries()[key] = text; }

void reset() { entries().clear(); }

const char16_t* publish(std::u16string_view text) { return names().emplace(text).first->c_str(); }

}  // namespace text_table

void register_text_table_services() { implement<HostId::HostText_Lookup>(text_table::lookup); }

}  // namespace refhost
