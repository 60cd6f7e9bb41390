#pragma once
// The host's own texts: the text table behind HostText.Lookup (an 8-bit key
// to a 16-bit text), and the names the host publishes by pointer (the zone
// and vehicle names). Scenarios and tests fill both.
#include <string>
#include <string_view>

namespace refhost {

void register_text_table_services();

namespace text_table {

// HostText.Lookup answers `text` for `key` from now on. A key the table does
// not hold is answered with an empty text, as a host answers a missing entry.
void set_entry(const std::string& key, const std::u16string& text);
// Empties the table (the published names stay).
void reset();

// Where the host keeps the name `text`: the same text is always at the same
// address, a different text at a different one, and every address stays
// valid for the life of the process, as the host's name tables do.
const char16_t* publish(std::u16string_view text);

}  // namespace text_table
}  // namespace refhost
