#pragma once
// The host's render states and its immediate-mode 2-D drawing. Every
// HostRender.SetState call is recorded with its id and value; state 1 (the
// texture raster) also names the texture that raster belongs to. Vertex lists
// are recorded with every vertex, and written into HostIm2D.VertexBuffer as
// the host's 28-byte vertices (x, y, z, rhw, colour r g b a, u, v), as many
// as it holds.
#include <cstdint>

namespace refhost {

void register_render_services();

namespace render {

constexpr std::uint32_t kVertexBytes = 28;

// The value last set for a state id; 0 for one never set.
std::uint32_t state(int id);
// Every state back to unset.
void reset();

}  // namespace render
}  // namespace refhost
