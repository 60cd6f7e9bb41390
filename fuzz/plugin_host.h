#pragma once
// The real plug-in in a reference host of build 100, in a game folder laid out
// as a player's (the shipped settings and the five dictionaries), playing
// frames whose host state comes from the frame decoder. The fuzz target keeps
// one for the whole run and resets the host between inputs; the soak plays one
// long run.
#include <cstddef>
#include <memory>
#include <set>
#include <string>

#include "frame_decoder.h"
#include "host_image.h"

namespace fuzzing {

struct PluginHostPaths {
  std::string plugin;             // libslatepane.so
  std::string data;               // the shipped slate_pane_morrowfen folder
  std::string make_dictionaries;  // the preview build's dictionary writer
};

// The soak records every host call (formatting each argument reads the
// texts the plug-in passes, which the sanitizers check), protects the host's
// code pages as Windows does, and writes the decoder's layout lines before
// the shipped layout file. The fuzzer does none of these, which makes its
// frames several times faster:
// - what it varies, the host's state, never changes where or how the plug-in
//   patches (the unit tests, the end-to-end runs and the soak check that
//   against real page protection), while the page protection took two system
//   calls for each of the dozens of patch steps in a frame;
// - its layout file holds the decoder's lines alone, the keys it leaves out
//   reading as the reader's defaults (as in the end-to-end runs): the shipped
//   file's two hundred keys, parsed again whenever a line changed, were a
//   sixth of its time.
enum class HostMode { kSoak, kFuzz };

class PluginHost {
 public:
  PluginHost(const PluginHostPaths& paths, HostMode mode);
  ~PluginHost();
  PluginHost(const PluginHost&) = delete;
  PluginHost& operator=(const PluginHost&) = delete;

  // Empty when the host is ready; else what went wrong.
  const std::string& error() const { return error_; }

  // The host as a scenario starts it (1920 x 1080, nothing on screen, no key
  // held, no layout line of the decoder). The plug-in's own state carries on.
  void Reset();
  // One frame: the decoder's changes, then the host calls of a frame. Returns
  // how many host calls the plug-in made in it (0 when not recording).
  std::size_t PlayFrame(FrameDecoder& decoder);

  refhost::HostImage& image() { return *image_; }

  // The reference host keeps every dictionary it ever loaded, so that old
  // handles stay valid addresses: each renderer restart adds the five
  // dictionaries again, host memory that is not the plug-in's. A run restarts
  // the renderer this many times at most, which keeps the host's own memory
  // flat over a long run.
  static constexpr int kMaxRestarts = 32;
  // The recorded calls are counted and let go of in batches of this many: a
  // frame of ten thousand calls then holds no more of the log than a frame of
  // a few hundred, and the soak's memory does not rise the first time its
  // busiest frame comes (frame 75 278 of seed 1: 10 341 calls).
  static constexpr std::size_t kLogBatch = 256;
  LayoutLines& layout() { return layout_; }
  const std::string& layout_path() const { return layout_path_; }
  // Every host routine the plug-in called in a recorded frame, by name.
  const std::set<std::string>& routines_called() const { return routines_called_; }

 private:
  void WriteLayout();
  // Counts the calls recorded so far and empties the log.
  void TakeCalls();
  static void OnHostCall(void* host);

  std::string error_;
  std::string folder_;
  std::string layout_path_;
  std::string shipped_layout_;
  std::unique_ptr<refhost::HostImage> image_;
  void* plugin_ = nullptr;
  LayoutLines layout_;
  int frame_ = 0;
  int restarts_left_ = kMaxRestarts;
  bool recording_;
  bool pages_protected_;
  std::size_t frame_calls_ = 0;
  std::set<std::string> routines_called_;
};

}  // namespace fuzzing
