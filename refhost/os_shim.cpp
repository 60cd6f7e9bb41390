#include "os_shim.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>

#include "host_image.h"
#include "os_call_log.h"

namespace refhost::os_shim {

namespace {

constexpr std::uintptr_t kPage = 4096;

struct State {
  std::map<std::uintptr_t, std::uint32_t> pages;
  int failures_left = 0;
  int protect_calls = 0;
  int fail_every = 0;  // every k-th call since scheduled_from fails
  int fail_only = 0;   // the n-th call since scheduled_from fails
  int scheduled_from = 0;
  const void* failing_address = nullptr;
  int failures_left_at = 0;
  int refused = 0;
  void (*observer)(void*) = nullptr;
  void* observer_context = nullptr;
  std::vector<ProtectCall>* recorded = nullptr;
  std::string module_path;
  bool module_handle_fails = false;
  int module_handle_calls = 0;  // since fail_module_handle_from
  int module_handle_fails_from = 0;
  bool keys[256] = {};
  std::vector<MessageBoxCall> boxes;
  bool pages_protected = true;
};

State& state() {
  static State s;
  return s;
}

int posix_protection(std::uint32_t protection) {
  switch (protection & 0xFF) {
    case 0x01:
      return PROT_NONE;
    case 0x02:
      return PROT_READ;
    case 0x04:
      return PROT_READ | PROT_WRITE;
    case 0x10:
      return PROT_EXEC;
    case 0x20:
      return PROT_READ | PROT_EXEC;
    case 0x40:
      return PROT_READ | PROT_WRITE | PROT_EXEC;
    default:
      return -1;
  }
}

std::string executable_path() {
  char buffer[4096];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
  return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string("/refhost");
}

// A plug-in linked into a test binary binds before main runs; it then finds
// the build named by REFHOST_BUILD (100 unless set), with the further probes
// of REFHOST_EXTRA_PROBES.
HostImage* default_image() {
  static std::unique_ptr<HostImage> image;
  if (!image) {
    const char* build = std::getenv("REFHOST_BUILD");
    std::vector<int> extra;
    if (const char* probes = std::getenv("REFHOST_EXTRA_PROBES"))
      extra.push_back(parse_build(probes));
    image = std::make_unique<HostImage>(build ? parse_build(build) : 100, extra);
    set_current_image(image.get());
  }
  return image.get();
}

// Whether this call (counted already) is one the test wants refused.
bool refuse_call(const void* address) {
  State& s = state();
  if (s.failures_left_at > 0 && address == s.failing_address) {
    --s.failures_left_at;
    return true;
  }
  if (s.failures_left > 0) {
    --s.failures_left;
    return true;
  }
  const int n = s.protect_calls - s.scheduled_from;
  if (s.fail_every > 0 && n % s.fail_every == 0) return true;
  return s.fail_only > 0 && n == s.fail_only;
}

// The change itself: 1 when done, with the first page's old protection.
int change_protection(void* address, std::uint32_t size, std::uint32_t protection,
                      bool reports_previous, std::uint32_t& old) {
  if (refuse_call(address)) {
    ++state().refused;
    return 0;
  }
  const int wanted = posix_protection(protection);
  old = protection_at(address);
  if (wanted < 0 || old == 0 || size == 0 || !reports_previous) return 0;
  const auto first = reinterpret_cast<std::uintptr_t>(address) & ~(kPage - 1);
  const auto end = reinterpret_cast<std::uintptr_t>(address) + size;
  for (std::uintptr_t page = first; page < end; page += kPage) {
    if (protection_at(reinterpret_cast<void*>(page)) == 0) return 0;
  }
  if (state().pages_protected &&
      mprotect(reinterpret_cast<void*>(first), end - first, wanted) != 0) {
    return 0;
  }
  track_protection(address, size, protection);
  return 1;
}

}  // namespace

void track_protection(const void* start, std::uint32_t size, std::uint32_t protection) {
  const auto first = reinterpret_cast<std::uintptr_t>(start) & ~(kPage - 1);
  const auto end = reinterpret_cast<std::uintptr_t>(start) + size;
  for (std::uintptr_t page = first; page < end; page += kPage) state().pages[page] = protection;
}

void forget_protection(const void* start, std::uint32_t size) {
  const auto first = reinterpret_cast<std::uintptr_t>(start) & ~(kPage - 1);
  const auto end = reinterpret_cast<std::uintptr_t>(start) + size;
  for (std::uintptr_t page = first; page < end; page += kPage) state().pages.erase(page);
}

std::uint32_t protection_at(const void* address) {
  const auto page = reinterpret_cast<std::uintptr_t>(address) & ~(kPage - 1);
  const auto found = state().pages.find(page);
  return found == state().pages.end() ? 0 : found->second;
}

void set_pages_protected(bool on) { state().pages_protected = on; }
void fail_next_protections(int count) { state().failures_left = count; }
int protect_calls() { return state().protect_calls; }
void fail_every_protection(int k) {
  state().fail_every = k;
  state().scheduled_from = state().protect_calls;
}
void fail_protection_call(int n) {
  state().fail_only = n;
  state().scheduled_from = state().protect_calls;
}
void fail_protections_at(const void* address, int count) {
  state().failing_address = address;
  state().failures_left_at = address != nullptr ? count : 0;
}
int refusals_left_at() { return state().failures_left_at; }
int refused_protections() { return state().refused; }
void observe_protections(void (*observer)(void*), void* context) {
  state().observer = observer;
  state().observer_context = context;
}
void record_protections(std::vector<ProtectCall>* calls) { state().recorded = calls; }
void set_module_file_name(const std::string& path) { state().module_path = path; }
std::string module_file_name() {
  if (state().module_path.empty()) state().module_path = executable_path();
  return state().module_path;
}
void set_module_handle_fails(bool fails) { state().module_handle_fails = fails; }
void fail_module_handle_from(int n) {
  state().module_handle_fails_from = n;
  state().module_handle_calls = 0;
}
void set_key_down(int virtual_key, bool down) { state().keys[virtual_key & 0xFF] = down; }
void release_all_keys() { std::memset(state().keys, 0, sizeof(state().keys)); }
const std::vector<MessageBoxCall>& message_boxes() { return state().boxes; }

}  // namespace refhost::os_shim

using namespace refhost::os_shim;

extern "C" {

// Changes protection only of pages that belong to the host image, all of which
// must be known; reports the first page's previous protection, as Windows does.
int VirtualProtect(void* address, std::uint32_t size, std::uint32_t protection,
                   std::uint32_t* previous) {
  if (state().observer != nullptr) state().observer(state().observer_context);
  ++state().protect_calls;
  if (state().recorded != nullptr) state().recorded->push_back({address, size, protection});
  std::uint32_t old = 0;
  const int answer = change_protection(address, size, protection, previous != nullptr, old);
  if (answer != 0) *previous = old;
  refhost::os_call_log::protection(address, size, protection, answer != 0 ? old : 0, answer);
  return answer;
}

void* GetModuleHandleA(const char* name) {
  if (name != nullptr || state().module_handle_fails) return nullptr;
  const int from = state().module_handle_fails_from;
  if (from > 0 && ++state().module_handle_calls >= from) return nullptr;
  refhost::HostImage* image = refhost::current_image();
  if (image == nullptr) image = default_image();
  return reinterpret_cast<void*>(static_cast<std::uintptr_t>(image->base()));
}

// Windows semantics: a path that does not fit is cut to size - 1 characters,
// terminated, and the result is `size`.
std::uint32_t GetModuleFileNameA(void* /*module*/, char* buffer, std::uint32_t size) {
  if (size == 0) return 0;
  const std::string path = module_file_name();
  if (path.size() >= size) {
    std::memcpy(buffer, path.data(), size - 1);
    buffer[size - 1] = '\0';
    return size;
  }
  std::memcpy(buffer, path.c_str(), path.size() + 1);
  return static_cast<std::uint32_t>(path.size());
}

std::int16_t GetKeyState(int virtual_key) {
  const std::int16_t answer =
      state().keys[virtual_key & 0xFF] ? static_cast<std::int16_t>(0x8000 - 0x10000) : 0;
  refhost::os_call_log::key_query(virtual_key, answer);
  return answer;
}

void* GetActiveWindow() { return reinterpret_cast<void*>(kActiveWindow); }

int MessageBoxA(void* owner, const char* text, const char* caption, std::uint32_t style) {
  const auto window = reinterpret_cast<std::uintptr_t>(owner);
  state().boxes.push_back({window, text ? text : "", caption ? caption : "", style});
  refhost::os_call_log::message_box(window, text, caption, style);
  return 1;
}

}  // extern "C"
