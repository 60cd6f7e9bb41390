#pragma once
// The host's immediate-mode 2-D drawing on the picture.
//   HostIm2D.SetVertices n, then each vertex as its screen point and texture
//     coordinates (x y u v), then one colour r g b a: the vertices of the next
//     primitive.
//   HostIm2D.SetMaskVertices n, then n screen points: a mask primitive, which
//     in the host only cuts what is drawn later through the depth buffer; the
//     picture does not model that and draws nothing for it.
//   HostIm2D.RenderPrimitive primitive, vertex buffer, count: primitive 5, a
//     triangle fan, is filled with the render states' texture and blending.
//     Other primitives are not drawn.
#include <cairo.h>

#include <vector>

#include "log_call.h"
#include "render_states.h"
#include "texture_resolver.h"

namespace preview {

class Im2D {
 public:
  // False when the arguments do not have the form above; the vertices are
  // then cleared, so that no later primitive draws stale ones.
  bool set_vertices(const LogCall& call);
  void set_mask_vertices();
  void render_primitive(cairo_t* cr, const LogCall& call, const TextureResolver& textures,
                        const RenderStates& states) const;

  const std::vector<UvVertex>& vertices() const { return vertices_; }

 private:
  std::vector<UvVertex> vertices_;
  Rgba colour_;
  bool mask_ = false;
};

}  // namespace preview
