#pragma once
// Plain records passed to and from host routines, laid out as the host has them.
#include <cstdint>

// Red, green, blue, opacity (255 opaque): four consecutive bytes, as the host's
// colour calls take them.
struct Rgba {
  std::uint8_t r;
  std::uint8_t g;
  std::uint8_t b;
  std::uint8_t a;

  friend bool operator==(const Rgba&, const Rgba&) = default;
};
static_assert(sizeof(Rgba) == 4);

struct FloatPoint {
  float x = 0;
  float y = 0;
};
static_assert(sizeof(FloatPoint) == 8);

// Screen rectangle in the order the host takes it; swapped edges mirror a sprite.
struct FloatRect {
  float left = 0;
  float bottom = 0;
  float right = 0;
  float top = 0;
};
static_assert(sizeof(FloatRect) == 16);

// A 4-byte host sprite record holding one texture handle.
struct SpriteHolder {
  std::uint32_t texture = 0;
};
static_assert(sizeof(SpriteHolder) == 4);
