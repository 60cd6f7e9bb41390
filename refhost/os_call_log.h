#pragma once
// Calls the plug-in makes to the operating system, added to the draw log while
// switched on (all off by default, so the logs of the host calls alone stay as
// they were). Natively the operating-system stand-ins report here.
//   <frame> VirtualProtect <address> <size> <protection> <previous> <answer>
//   <frame> GetKeyState <virtual key> <answer>
//   <frame> MessageBoxA <owner> <text> <caption> <style>
#include <cstdint>

namespace refhost::os_call_log {

struct Switches {
  bool protections = false;
  bool key_queries = false;
  bool message_boxes = false;
};

void set_switches(const Switches& switches);
const Switches& switches();

// `previous` is what the call reported as the old protection (0 when it
// failed); `answer` its result, 1 for done and 0 for refused.
void protection(const void* address, std::uint32_t size, std::uint32_t protection,
                std::uint32_t previous, int answer);
void key_query(int virtual_key, std::int16_t answer);
void message_box(std::uintptr_t owner, const char* text, const char* caption, std::uint32_t style);

// The window GetActiveWindow reports, as a message box's owner names it.
constexpr std::uintptr_t kActiveWindow = 0x00010010;

}  // namespace refhost::os_call_log
