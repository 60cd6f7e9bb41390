#pragma once
// Bytes to host state, frame by frame: the one decoder behind the frame
// fuzzer, its corpus replay and the soak. Each frame advances the host clock
// and then makes a handful of changes, each chosen by the bytes: any host
// variable the plug-in reads (extreme and non-finite floats, negative and huge
// integers), any record field a scenario can set (null records, stale pool
// handles, entities, whole radar blips), 16-bit texts with and without their
// terminators, the host's text table, keys held and released, and lines of
// the layout settings file that switch elements on and off.
#include <cstdint>
#include <map>
#include <string>

#include "byte_source.h"
#include "host_image.h"

namespace fuzzing {

// Layout settings lines that go before the shipped file's (the first line of
// a key counts): key -> value.
struct LayoutLines {
  std::map<std::string, std::string> values;
  bool changed = false;  // since the file was last written
};

// What a frame asks of the host besides its state.
struct FrameEvents {
  bool restart_renderer = false;  // renderer shut down and started again
};

class FrameDecoder {
 public:
  explicit FrameDecoder(ByteSource& bytes, std::uint32_t start_ms = 100000);

  // The host's changes before frame `frame`: written into the image, the
  // keyboard and the text table, and into `layout`.
  FrameEvents Frame(refhost::HostImage& image, LayoutLines& layout);

  // At most this many changes in one frame.
  static constexpr int kMaxChanges = 12;

 private:
  void Change(refhost::HostImage& image, LayoutLines& layout, FrameEvents& events);
  void AdvanceClock(refhost::HostImage& image);
  void SetGates(refhost::HostImage& image);
  void SetScalar(refhost::HostImage& image);
  void SetArrayBytes(refhost::HostImage& image);
  void SetWideText(refhost::HostImage& image);
  void SetRecordField(refhost::HostImage& image);
  void SetBlip(refhost::HostImage& image);
  void SetPoolEntity(refhost::HostImage& image);
  void SetNamePointer(refhost::HostImage& image);
  void SetKey();
  void SetTextEntry();
  void SetLayoutLine(LayoutLines& layout);
  std::int64_t Integer();
  float Float();

  ByteSource& bytes_;
  std::uint32_t now_ms_;
  std::int32_t frame_ms_ = 20;
};

}  // namespace fuzzing
