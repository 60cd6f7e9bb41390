#pragma once
// The screen rectangle each drawing call of a draw log covers, worked out
// from its arguments by the rules the preview draws them with
// (docs/preview.md). Text calls need the text style the log set before them,
// so the calls go through one tracker in log order.
#include <array>
#include <optional>
#include <vector>

#include "log_call.h"

// left, top, right, bottom in screen pixels.
using Bounds = std::array<double, 4>;

struct CallBounds {
  std::optional<Bounds> bounds;
  bool estimated = false;  // a text's width, from an average advance: the page measures it
};

class BoundsTracker {
 public:
  BoundsTracker(int width, int height) : width_(width), height_(height) {}
  // Every call in order; the rectangle of a drawing call, nothing for others.
  CallBounds Next(const preview::LogCall& call);

 private:
  CallBounds Text(const preview::LogCall& call) const;

  int width_, height_;
  double scale_x_ = 1, scale_y_ = 1;
  bool centred_ = false, right_aligned_ = false;
  std::vector<std::array<double, 2>> vertices_;
};
