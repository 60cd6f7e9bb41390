#include "host_image.h"

#include <unordered_map>
#include <utility>

#include "caller_log.h"
#include "draw_log.h"
#include "image_memory.h"
#include "machine_code.h"
#include "routines.h"

namespace refhost {

namespace {

HostImage* current = nullptr;

extern "C" HOST_CDECL void refhost_record_stub(std::uint32_t id) {
  if (id < kHostSymbolCount) draw_log().call(kHostSymbols[id].name);
}

int site_calls[static_cast<std::size_t>(HostSite::Count)] = {};

extern "C" HOST_CDECL std::uint32_t refhost_site_target(std::uint32_t index) {
  if (index < static_cast<std::uint32_t>(HostSite::Count)) ++site_calls[index];
  return HostImage::kSiteAnswer + index;
}

// A symbol by its address-map name. Scenarios, the record fields and the
// frame decoder look names up thousands of times a run: one comparison with
// each of the map's names apiece was a twentieth of a fuzzed frame.
const HostSymbol* symbol_named(std::string_view name, HostId& id) {
  static const std::unordered_map<std::string_view, HostId> by_name = [] {
    std::unordered_map<std::string_view, HostId> made;
    for (std::size_t k = 0; k < kHostSymbolCount; ++k) {
      made.emplace(kHostSymbols[k].name, static_cast<HostId>(k));
    }
    return made;
  }();
  const auto found = by_name.find(name);
  if (found == by_name.end()) return nullptr;
  id = found->second;
  return &kHostSymbols[static_cast<std::size_t>(id)];
}

std::uint32_t column_address(const HostSymbol& symbol, int version) {
  if (symbol.form == HostForm::FIXED) return symbol.address[0];
  const int column = host_build_index(version);
  return column < 0 ? 0 : symbol.address[column];
}

}  // namespace

HostImage::HostImage(int version, std::vector<int> extra_probes)
    : version_(version), extra_probes_(std::move(extra_probes)) {
  block_ = image_memory::reserve(kFirst, kEnd - kFirst, base_);
  if (block_ == nullptr) throw std::runtime_error("cannot map the host image");
  write_code();
  image_memory::seal_code(block_, kCodeEnd - kFirst);
}

void HostImage::rewrite_code() {
  image_memory::unseal_code(block_, kCodeEnd - kFirst);
  write_code();
  image_memory::seal_code(block_, kCodeEnd - kFirst);
}

void HostImage::clear_data() { image_memory::zero(at(kCodeEnd), kEnd - kCodeEnd); }

void HostImage::write_code() {
  write_probe(version_);
  for (int extra : extra_probes_) write_probe(extra);
  write_sites();
  for (std::uint32_t id = 0; id < kHostSymbolCount; ++id) {
    const HostSymbol& s = kHostSymbols[id];
    const std::uint32_t address = column_address(s, version_);
    if (s.kind == HostKind::Routine && address != 0) write_routine(s, id, address);
  }
}

HostImage::~HostImage() {
  if (current == this) current = nullptr;
  image_memory::release(block_, kEnd - kFirst);
}

std::uint8_t* HostImage::at(std::uint32_t host_address) const {
  return block_ + (host_address - kFirst);
}

std::uint32_t HostImage::host_address_of(const void* pointer) const {
  const auto* byte = static_cast<const std::uint8_t*>(pointer);
  if (byte < block_ || byte >= block_ + (kEnd - kFirst)) return 0;
  return kFirst + static_cast<std::uint32_t>(byte - block_);
}

std::uint32_t HostImage::symbol_address(HostId id) const {
  return column_address(host_symbol(id), version_);
}

std::uint8_t* HostImage::symbol(HostId id) const {
  const std::uint32_t address = symbol_address(id);
  return address == 0 ? nullptr : at(address);
}

std::uint8_t* HostImage::symbol(std::string_view name) const {
  HostId id{};
  return symbol_named(name, id) != nullptr ? symbol(id) : nullptr;
}

std::uint8_t* HostImage::checked(std::string_view name, std::size_t offset,
                                 std::size_t size) const {
  HostId id{};
  if (const HostSymbol* s = symbol_named(name, id)) {
    std::uint8_t* where = symbol(id);
    if (where != nullptr && s->kind == HostKind::Variable && offset + size <= s->size) {
      return where + offset;
    }
  }
  throw std::out_of_range("no host variable " + std::string(name) + " of that size here");
}

void HostImage::write_probe(int version) {
  const int column = host_build_index(version);
  if (column >= 0) machine_code::write_probe_routine(at(kProbeAddress[column]));
}

void HostImage::write_routine(const HostSymbol& symbol, std::uint32_t id, std::uint32_t address) {
  if (void* entry = implementation(static_cast<HostId>(id))) {
    machine_code::write_jump(at(address), caller_log::route(id, machine_code::address_of(entry)));
    return;
  }
  machine_code::write_stub(at(address), id, symbol.call == HostCall::Cdecl ? 0 : symbol.stack_bytes,
                           symbol.returns_float,
                           machine_code::address_of(reinterpret_cast<void*>(&refhost_record_stub)));
}

void HostImage::write_sites() {
  const std::uint32_t recorder =
      machine_code::address_of(reinterpret_cast<void*>(&refhost_site_target));
  for (std::uint32_t k = 0; k < static_cast<std::uint32_t>(HostSite::Count); ++k) {
    if (std::uint8_t* call = site(static_cast<HostSite>(k))) {
      machine_code::write_site_routine(call - machine_code::kSiteOffset, k, recorder);
    }
  }
}

std::uint8_t* HostImage::site(HostSite which) const {
  const int column = host_build_index(version_);
  if (column < 0) return nullptr;
  return at(kHostSiteAddress[static_cast<std::size_t>(which)][column]);
}

std::uint32_t HostImage::run_site_routine(HostSite which) const {
  std::uint8_t* call = site(which);
  if (call == nullptr) return 0;
  using Routine = std::uint32_t(HOST_CDECL*)();
  return reinterpret_cast<Routine>(call - machine_code::kSiteOffset)();
}

int HostImage::site_target_calls(HostSite which) {
  return site_calls[static_cast<std::size_t>(which)];
}

int parse_build(std::string_view text) {
  if (text == "100" || text == "110" || text == "120") return std::stoi(std::string(text));
  if (text == "none") return 0;
  throw std::invalid_argument("unknown host build: " + std::string(text));
}

HostImage* current_image() { return current; }
void set_current_image(HostImage* image) { current = image; }

}  // namespace refhost
