#pragma once
// The host's sprite holders: 4-byte records holding one texture handle, filled
// by name from the current dictionary, and drawn. A holder is logged as the
// texture it holds (see textures.h), never by its address.

namespace refhost::sprites {

void register_services();

}  // namespace refhost::sprites
