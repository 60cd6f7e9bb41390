#pragma once
// The operating system as the Linux build of the plug-in sees it: the Win32
// entry points it imports (VirtualProtect, GetModuleHandleA, GetModuleFileNameA,
// GetKeyState, MessageBoxA, GetActiveWindow) are defined by the reference host,
// and these controls let a test or a scenario steer them.
#include <cstdint>
#include <string>
#include <vector>

#include "os_call_log.h"

namespace refhost::os_shim {

constexpr std::uint32_t kPageReadWrite = 0x04;
constexpr std::uint32_t kPageExecuteRead = 0x20;
constexpr std::uint32_t kPageExecuteReadWrite = 0x40;

// Page protections of the host image, as VirtualProtect reports them.
void track_protection(const void* start, std::uint32_t size, std::uint32_t protection);
void forget_protection(const void* start, std::uint32_t size);
std::uint32_t protection_at(const void* address);

// While off, VirtualProtect answers and tracks protections as ever but leaves
// the pages' real protection alone (on by default). The frame fuzzer's host
// keeps its code pages writable this way: two system calls for every step of
// every patch, which the plug-in makes dozens of each frame, were a fifth of
// its time.
void set_pages_protected(bool on);

// The next `count` VirtualProtect calls fail, as they would on a page the
// process may not change.
void fail_next_protections(int count);
int protect_calls();
// From now on, calls k, 2k, 3k, ... fail (0 stops this).
void fail_every_protection(int k);
// From now on, only the n-th call fails (0 stops this).
void fail_protection_call(int n);
// The next `count` calls for exactly this address fail; null stops this.
void fail_protections_at(const void* address, int count);
int refusals_left_at();
int refused_protections();  // calls failed on purpose, of all kinds

// Called at the start of every VirtualProtect call, before it takes effect
// (null stops this): a watcher sees host code between the plug-in's steps.
void observe_protections(void (*observer)(void*), void* context);

// While `calls` is set, each VirtualProtect call is added to it (null stops
// this): the benchmark plays them again to time what they cost the host.
struct ProtectCall {
  void* address;
  std::uint32_t size;
  std::uint32_t protection;
};
void record_protections(std::vector<ProtectCall>* calls);

// The host executable's full path (GetModuleFileNameA of the host module).
void set_module_file_name(const std::string& path);
std::string module_file_name();
// GetModuleHandleA(nullptr) answers null while set.
void set_module_handle_fails(bool fails);
// From now on, GetModuleHandleA(nullptr) answers null from its n-th call on
// (0 stops this): with 2, the plug-in binds to the host and then fails to
// find the host's folder.
void fail_module_handle_from(int n);

void set_key_down(int virtual_key, bool down);
void release_all_keys();

struct MessageBoxCall {
  std::uintptr_t owner;
  std::string text;
  std::string caption;
  std::uint32_t style;
};
const std::vector<MessageBoxCall>& message_boxes();
// The window GetActiveWindow reports.
constexpr std::uintptr_t kActiveWindow = os_call_log::kActiveWindow;

}  // namespace refhost::os_shim
