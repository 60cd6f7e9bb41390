// Fuzz target: the input is a settings file, parsed as the plug-in parses its
// files on every frame, by a reader kept from load to load, and compared with
// the reader as first written (settings_oracle.h), all in memory. One input
// in kDiskSample also goes through LoadHudSettings from disk, which costs
// more than all the rest; which inputs do is decided by their bytes, so a
// finding plays again the same way.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/ini_file.h"
#include "settings_oracle.h"

namespace {

constexpr std::uint32_t kDiskSample = 64;

std::uint32_t Fnv1a(const std::uint8_t* data, std::size_t size) {
  std::uint32_t hash = 2166136261u;
  for (std::size_t k = 0; k < size; ++k) hash = (hash ^ data[k]) * 16777619u;
  return hash;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The bytes as they are: a line of a megabyte (the settings target's
  // "#!long" inputs) took seconds an input here, and the engine kept choosing
  // such inputs to mutate.
  const std::string text(reinterpret_cast<const char*>(data), size);
  // The kept reader has read something else before, as the plug-in's has:
  // the input's second half, so that the earlier parse is decided by the
  // input too.
  static IniFile kept;
  kept.Parse(std::string_view(text).substr(text.size() / 2));
  kept.Parse(text);
  fuzzing::CompareWithReference(kept, text);
  if (Fnv1a(data, size) % kDiskSample == 0) fuzzing::CompareLoadFromDisk(text, kept);
  // The entries the comparison asked for are let go of within this input:
  // held over to the next one, they made the engine run most inputs twice
  // to look for a leak.
  kept.Parse({});
  return 0;
}
