#include "allocation_count.h"

#include <dlfcn.h>
#include <execinfo.h>
#include <link.h>

#include <cerrno>
#include <cstdint>

// glibc's own allocator, under the names it exports for allocators that
// wrap it.
// NOLINTBEGIN(bugprone-reserved-identifier): glibc's names, and the bounds the linker defines
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void* __libc_valloc(std::size_t size);
void* __libc_pvalloc(std::size_t size);
}

// Everything that is on the stack while an allocation is put down to its
// caller lies in a section of its own, so that the walk steps over it. The
// linker marks the section's bounds.
#define SLATEPANE_COUNTING __attribute__((section("slatepane_counting"), noinline))
extern "C" char __start_slatepane_counting[];
extern "C" char __stop_slatepane_counting[];
// NOLINTEND(bugprone-reserved-identifier)

namespace refhost::allocation_count {

namespace {

constexpr int kMaxRanges = 8;
constexpr int kMaxFrames = 64;

// The executable segments of one loaded object.
struct CodeRanges {
  std::uintptr_t first[kMaxRanges];
  std::uintptr_t end[kMaxRanges];
  int count = 0;

  bool contains(std::uintptr_t address) const {
    for (int k = 0; k < count; ++k) {
      if (address >= first[k] && address < end[k]) return true;
    }
    return false;
  }
};

CodeRanges plugin_code;
CodeRanges host_code;
bool counting = false;
Counts counts;
thread_local bool walking = false;  // an allocation made by the walk itself is nobody's

bool in_counting_code(std::uintptr_t address) {
  return address >= reinterpret_cast<std::uintptr_t>(__start_slatepane_counting) &&
         address < reinterpret_cast<std::uintptr_t>(__stop_slatepane_counting);
}

struct Search {
  std::uintptr_t plugin_base;
  bool first = true;  // dl_iterate_phdr reports the executable first
};

void add_code(CodeRanges& ranges, const dl_phdr_info* info) {
  for (int k = 0; k < info->dlpi_phnum && ranges.count < kMaxRanges; ++k) {
    const ElfW(Phdr)& segment = info->dlpi_phdr[k];
    if (segment.p_type != PT_LOAD || (segment.p_flags & PF_X) == 0) continue;
    const std::uintptr_t from = info->dlpi_addr + segment.p_vaddr;
    ranges.first[ranges.count] = from;
    ranges.end[ranges.count] = from + segment.p_memsz;
    ++ranges.count;
  }
}

int collect(dl_phdr_info* info, std::size_t /*size*/, void* data) {
  Search& search = *static_cast<Search*>(data);
  if (search.first) {
    add_code(host_code, info);
    search.first = false;
  } else if (info->dlpi_addr == search.plugin_base) {
    add_code(plugin_code, info);
  }
  return 0;
}

// The first frame outside the counting code that lies in the plug-in or in
// the executable decides; the runtimes and the loader in between do not.
SLATEPANE_COUNTING void note_allocation() {
  if (!counting || walking) return;
  walking = true;
  void* frames[kMaxFrames];
  const int depth = backtrace(frames, kMaxFrames);
  std::size_t* owner = &counts.unknown;
  for (int k = 0; k < depth; ++k) {
    const auto address = reinterpret_cast<std::uintptr_t>(frames[k]);
    if (in_counting_code(address)) continue;
    if (plugin_code.contains(address)) {
      owner = &counts.plugin;
      break;
    }
    if (host_code.contains(address)) {
      owner = &counts.host;
      break;
    }
  }
  ++*owner;
  walking = false;
}

}  // namespace

void watch(void* plugin) {
  link_map* map = nullptr;
  plugin_code = CodeRanges{};
  host_code = CodeRanges{};
  if (plugin == nullptr || dlinfo(plugin, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr) return;
  Search search{map->l_addr};
  dl_iterate_phdr(collect, &search);
  // The first walk loads the unwinder, which allocates: do it now.
  void* frames[kMaxFrames];
  backtrace(frames, kMaxFrames);
}

void start() {
  counts = Counts{};
  counting = true;
}

Counts stop() {
  counting = false;
  return counts;
}

}  // namespace refhost::allocation_count

using refhost::allocation_count::note_allocation;

extern "C" {

SLATEPANE_COUNTING void* malloc(std::size_t size) noexcept {
  note_allocation();
  return __libc_malloc(size);
}

SLATEPANE_COUNTING void* calloc(std::size_t count, std::size_t size) noexcept {
  note_allocation();
  return __libc_calloc(count, size);
}

SLATEPANE_COUNTING void* realloc(void* block, std::size_t size) noexcept {
  note_allocation();
  return __libc_realloc(block, size);
}

SLATEPANE_COUNTING void* memalign(std::size_t alignment, std::size_t size) noexcept {
  note_allocation();
  return __libc_memalign(alignment, size);
}

SLATEPANE_COUNTING void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept {
  note_allocation();
  return __libc_memalign(alignment, size);
}

SLATEPANE_COUNTING int posix_memalign(void** block, std::size_t alignment,
                                      std::size_t size) noexcept {
  note_allocation();
  if (alignment % sizeof(void*) != 0 || (alignment & (alignment - 1)) != 0) return EINVAL;
  void* made = __libc_memalign(alignment, size);
  if (made == nullptr) return ENOMEM;
  *block = made;
  return 0;
}

SLATEPANE_COUNTING void* valloc(std::size_t size) noexcept {
  note_allocation();
  return __libc_valloc(size);
}

SLATEPANE_COUNTING void* pvalloc(std::size_t size) noexcept {
  note_allocation();
  return __libc_pvalloc(size);
}

}  // extern "C"
