#pragma once
// The address map as data: one row per host symbol (from host_symbols.inc),
// plus the version probes and the intercepted call sites of each build.
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "runtime/calling_convention.h"
#include "runtime/host_types.h"

enum class HostForm : std::uint8_t { FIXED, BOUND };
enum class HostKind : std::uint8_t { Variable, Routine };
enum class HostCall : std::uint8_t { None, Cdecl, Thiscall };

// The builds, in probe order; a build's index selects its address column.
inline constexpr int kHostBuilds[3] = {100, 110, 120};

struct HostSymbol {
  const char* name;  // e.g. "HostTime.NowMs"
  HostKind kind;
  HostForm form;
  HostCall call;              // routines only
  bool returns_float;         // routines only: result in the x87 register
  std::uint32_t size;         // variables: bytes
  std::uint32_t stack_bytes;  // routines: argument bytes the callee finds on the stack
  std::uint32_t address[3];   // FIXED: address[0] only
};

namespace address_map_detail {

constexpr std::uint32_t stack_slot(std::size_t size) {
  return static_cast<std::uint32_t>((size + 3) / 4 * 4);
}

template <typename Signature>
struct Routine;

template <typename R, typename... A>
struct Routine<R(A...)> {
  static constexpr bool returns_float = std::is_floating_point_v<R>;
  static constexpr std::uint32_t stack_bytes(HostCall call) {
    // NOLINTNEXTLINE(bugprone-sizeof-expression): a pointer argument takes a pointer's slot
    std::uint32_t total = (0 + ... + stack_slot(sizeof(A)));
    // thiscall passes its first argument in ECX.
    return call == HostCall::Thiscall && total >= 4 ? total - 4 : total;
  }
};

constexpr HostCall call_of(int convention) {
  return convention == 1 ? HostCall::Thiscall : HostCall::Cdecl;
}

}  // namespace address_map_detail

#define HOST_CALL_HOST_CDECL 0
#define HOST_CALL_HOST_THISCALL 1

enum class HostId : std::uint16_t {
#define HOST_VALUE(family, name, type, form, a, b, c) family##_##name,
#define HOST_ARRAY(family, name, type, count, form, a, b, c) family##_##name,
#define HOST_ROUTINE(family, name, conv, result, params, args, form, a, b, c) family##_##name,
#include "runtime/host_symbols.inc"
#undef HOST_VALUE
#undef HOST_ARRAY
#undef HOST_ROUTINE
  Count
};

inline constexpr HostSymbol kHostSymbols[] = {
#define HOST_VALUE(family, name, type, form, a, b, c)                                             \
  {#family "." #name, HostKind::Variable, HostForm::form, HostCall::None, false, sizeof(type), 0, \
   {a, b, c}},
#define HOST_ARRAY(family, name, type, count, form, a, b, c) \
  {#family "." #name,                                        \
   HostKind::Variable,                                       \
   HostForm::form,                                           \
   HostCall::None,                                           \
   false,                                                    \
   sizeof(type) * (count),                                   \
   0,                                                        \
   {a, b, c}},
#define HOST_ROUTINE(family, name, conv, result, params, args, form, a, b, c) \
  {#family "." #name,                                                         \
   HostKind::Routine,                                                         \
   HostForm::form,                                                            \
   address_map_detail::call_of(HOST_CALL_##conv),                             \
   address_map_detail::Routine<result params>::returns_float,                 \
   0,                                                                         \
   address_map_detail::Routine<result params>::stack_bytes(                   \
       address_map_detail::call_of(HOST_CALL_##conv)),                        \
   {a, b, c}},
#include "runtime/host_symbols.inc"
#undef HOST_VALUE
#undef HOST_ARRAY
#undef HOST_ROUTINE
};

inline constexpr std::size_t kHostSymbolCount = sizeof(kHostSymbols) / sizeof(kHostSymbols[0]);
static_assert(kHostSymbolCount == static_cast<std::size_t>(HostId::Count));

constexpr const HostSymbol& host_symbol(HostId id) {
  return kHostSymbols[static_cast<std::size_t>(id)];
}

// Each build is recognised by the prologue 55 89 E5 53 at one routine entry of its own.
inline constexpr std::uint32_t kProbeAddress[3] = {0x600000, 0x600040, 0x600080};
inline constexpr std::uint32_t kProbePrologue = 0x53E58955;

// Host call instructions that the events intercept (5-byte relative calls).
enum class HostSite : std::uint8_t {
  RendererStart,
  RendererStop,
  HudDraw,
  FrameDraw,
  FrameStep,
  RadarUpdateA,
  RadarUpdateB,
  RadarPatch,
  Count
};

inline constexpr const char* kHostSiteNames[] = {
    "HostSite.RendererStart", "HostSite.RendererStop", "HostSite.HudDraw",
    "HostSite.FrameDraw",     "HostSite.FrameStep",    "HostSite.RadarUpdateA",
    "HostSite.RadarUpdateB",  "HostSite.RadarPatch",
};

inline constexpr std::uint32_t kHostSiteAddress[][3] = {
    {0x660003, 0x661003, 0x662003}, {0x660043, 0x661043, 0x662043}, {0x660083, 0x661083, 0x662083},
    {0x6600C3, 0x6610C3, 0x6620C3}, {0x660103, 0x661103, 0x662103}, {0x660143, 0x661143, 0x662143},
    {0x660183, 0x661183, 0x662183}, {0x6601C3, 0x6611C3, 0x6621C3},
};
static_assert(sizeof(kHostSiteNames) / sizeof(kHostSiteNames[0]) ==
              static_cast<std::size_t>(HostSite::Count));
static_assert(sizeof(kHostSiteAddress) / sizeof(kHostSiteAddress[0]) ==
              static_cast<std::size_t>(HostSite::Count));

// Column of a build in the address arrays, or -1 for an unrecognised build.
constexpr int host_build_index(int version) {
  for (int i = 0; i < 3; ++i) {
    if (kHostBuilds[i] == version) return i;
  }
  return -1;
}
