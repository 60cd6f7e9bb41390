#pragma once
// The picture's size, the host screen's, and the host's font scale rule for
// the few sizes the host itself draws in font units.
namespace preview {

struct Screen {
  int width = 640;
  int height = 480;

  // Horizontal and vertical pixels of k font units.
  double sx(double k) const {
    const double w = width, h = height;
    return k * w / 640 * 1.3333334 / (w / h);
  }
  double sy(double k) const { return k * height / 448.0; }
  // Pixels of k units of 1/1080 of the smaller side.
  double unit(double k) const { return k * (width < height ? width : height) / 1080.0; }
};

}  // namespace preview
