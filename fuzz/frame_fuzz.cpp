// Fuzz target: the input decides the host state of up to kMaxFrames frames,
// and the real plug-in draws them. One plug-in and one host serve the whole
// run (the plug-in is loaded once, before the first input); the host starts
// afresh for each input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "byte_source.h"
#include "frame_decoder.h"
#include "plugin_host.h"

namespace {

// Few frames an input keep the inputs cheap; the decoder sets the frame's
// length too, so a timer or a fade reaches any state within them, and the
// soak plays the long runs.
constexpr int kMaxFrames = 8;

fuzzing::PluginHost& Host() {
  static const std::unique_ptr<fuzzing::PluginHost> host = [] {
    auto made = std::make_unique<fuzzing::PluginHost>(
        fuzzing::PluginHostPaths{SLATEPANE_PLUGIN, SLATEPANE_DATA_DIR, SLATEPANE_MAKE_DICTIONARIES},
        fuzzing::HostMode::kFuzz);
    if (!made->error().empty()) {
      std::fprintf(stderr, "frame fuzz: %s\n", made->error().c_str());
      std::abort();
    }
    return made;
  }();
  return *host;
}

}  // namespace

// The plug-in is loaded before the fuzzing starts, so that the engine sees
// its coverage counters from the first input on.
extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  Host();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::PluginHost& host = Host();
  fuzzing::InputBytes bytes(data, size);
  fuzzing::FrameDecoder decoder(bytes);
  for (int frame = 0; frame < kMaxFrames && (frame == 0 || !bytes.Exhausted()); ++frame) {
    host.PlayFrame(decoder);
  }
  // Afresh for the next input (the host was made so for the first), and at
  // the end of this one: the text entries, keys and layout lines the input
  // gave the host are let go of before the engine compares this input's
  // mallocs with its frees. Held over to the next input, they made the engine
  // run most inputs twice to look for a leak.
  host.Reset();
  return 0;
}
