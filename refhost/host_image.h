#pragma once
// The host image: memory laid out as the address map says, for one host build.
// It holds the build's probe, every variable at its address for that build,
// and at every routine address either a jump to the reference host's
// implementation or a recording stub.
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/address_map.h"

namespace refhost {

class HostImage {
 public:
  // Host addresses the image covers; code lies below kCodeEnd, data above.
  static constexpr std::uint32_t kFirst = 0x600000;
  static constexpr std::uint32_t kCodeEnd = 0x700000;
  static constexpr std::uint32_t kEnd = 0xA00000;

  // version 100, 110 or 120, or 0 for an executable the plug-in does not know.
  // extra_probes writes the probes of further builds as well.
  explicit HostImage(int version, std::vector<int> extra_probes = {});
  ~HostImage();
  HostImage(const HostImage&) = delete;
  HostImage& operator=(const HostImage&) = delete;

  // Writes every routine of the image afresh, undoing patches.
  void rewrite_code();
  // Sets every host variable to zero.
  void clear_data();

  int version() const { return version_; }
  // The module handle of the host executable.
  std::uint32_t base() const { return base_; }
  // Where a host address (as written for base 0x400000) lies in this image.
  std::uint8_t* at(std::uint32_t host_address) const;
  // The symbol's address in this build, or null when the build has none.
  std::uint8_t* symbol(HostId id) const;
  std::uint8_t* symbol(std::string_view name) const;
  std::uint32_t symbol_address(HostId id) const;  // as written for base 0x400000; 0 if none
  // The host address (as written for base 0x400000) of a byte of this image; 0
  // for a pointer outside it.
  std::uint32_t host_address_of(const void* pointer) const;

  // Runs the host routine that holds a call site, as the host's frame does,
  // and returns what it returns. The site's own target counts its calls and
  // answers kSiteAnswer + the site's index.
  std::uint32_t run_site_routine(HostSite which) const;
  static int site_target_calls(HostSite which);
  static constexpr std::uint32_t kSiteAnswer = 0x5E7E0000;
  // The site's call instruction in this build; null for an unrecognised build.
  std::uint8_t* site(HostSite which) const;

  template <typename T>
  T get(std::string_view name, std::size_t offset = 0) const {
    T value;
    std::memcpy(&value, checked(name, offset, sizeof(T)), sizeof(T));
    return value;
  }
  template <typename T>
  void set(std::string_view name, const T& value, std::size_t offset = 0) {
    std::memcpy(checked(name, offset, sizeof(T)), &value, sizeof(T));
  }

 private:
  std::uint8_t* checked(std::string_view name, std::size_t offset, std::size_t size) const;
  void write_code();
  void write_probe(int version);
  void write_sites();
  void write_routine(const HostSymbol& symbol, std::uint32_t id, std::uint32_t address);

  int version_;
  std::vector<int> extra_probes_;
  std::uint32_t base_ = 0;
  std::uint8_t* block_ = nullptr;
};

// Name of a build as the command line and scenarios spell it: "100", "none".
int parse_build(std::string_view text);

// The image the operating-system stand-in hands to the plug-in.
HostImage* current_image();
void set_current_image(HostImage* image);

}  // namespace refhost
