#include "os_call_log.h"

#include "draw_log.h"
#include "host_image.h"

namespace refhost::os_call_log {

namespace {

Switches& state() {
  static Switches s;
  return s;
}

}  // namespace

void set_switches(const Switches& switches) { state() = switches; }
const Switches& switches() { return state(); }

// Host code is named by its host address, the same in every run of a build;
// anything outside the image would be a raw pointer, which a log never shows.
void protection(const void* address, std::uint32_t size, std::uint32_t protection,
                std::uint32_t previous, int answer) {
  if (!state().protections) return;
  const HostImage* image = current_image();
  const std::uint32_t host = image != nullptr ? image->host_address_of(address) : 0;
  DrawLog& log = draw_log().call("VirtualProtect");
  if (host != 0) {
    log.address(host);
  } else {
    log.text("(unknown)");
  }
  log.i(size).i(protection).i(previous).i(answer);
}

void key_query(int virtual_key, std::int16_t answer) {
  if (state().key_queries) draw_log().call("GetKeyState").i(virtual_key).i(answer);
}

void message_box(std::uintptr_t owner, const char* text, const char* caption, std::uint32_t style) {
  if (!state().message_boxes) return;
  DrawLog& log = draw_log().call("MessageBoxA");
  if (owner == 0) {
    log.text(static_cast<const char*>(nullptr));
  } else {
    log.text(owner == kActiveWindow ? "(active window)" : "(unknown)");
  }
  log.text(text).text(caption).i(style);
}

}  // namespace refhost::os_call_log
