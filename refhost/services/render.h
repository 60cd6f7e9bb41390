#pragma once
// The host's render states and its immediate-mode 2-D drawing. Every
// HostRender.SetState call is recorded with its id and value; state 1 (the
// texture raster) also names the texture that raster belongs to.
#include <cstdint>

namespace refhost {

void register_render_services();

namespace render {

// The value last set for a state id; 0 for one never set.
std::uint32_t state(int id);
// Every state back to unset.
void reset();

}  // namespace render
}  // namespace refhost
