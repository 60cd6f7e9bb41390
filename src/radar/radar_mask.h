#pragma once
// The radar map's mask. The radar is square throughout, so the mask covers
// nothing; its render states stay in force for what the host draws next.
#include "runtime/calling_convention.h"

// Replaces the host's mask routine. Reached from host code with whatever
// stack alignment the host keeps.
__attribute__((force_align_arg_pointer)) HOST_CDECL void DrawRadarMask() noexcept;
