#include "services/textures.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "routines.h"
#include "services/sprites.h"
#include "services/streams.h"

namespace refhost {

namespace textures {

namespace {

// The part of a texture the plug-in may read: the raster comes first.
struct TextureRecord {
  std::uint32_t raster;
  std::uint32_t width;
  std::uint32_t height;
};

struct Texture {
  std::unique_ptr<TextureRecord> record;
  std::string name;
  bool live = true;
};

struct Dictionary {
  std::string name;
  std::vector<Texture*> textures;
  bool live = true;
};

struct Slot {
  std::string name;
  Dictionary* dictionary = nullptr;
};

// Slot names compare as texture names do, without regard to ASCII case.
struct FoldedHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view name) const {
    std::size_t hash = 2166136261u;
    for (char c : name) {
      hash =
          (hash ^ static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c)) * 16777619u;
    }
    return hash;
  }
};
struct FoldedEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const {
    return txd::same_texture_name(a, b);
  }
};
struct SpelledHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view name) const {
    return std::hash<std::string_view>{}(name);
  }
};

struct Store {
  // Everything ever made, so that handles stay valid addresses; deques keep
  // their elements in place as they grow.
  std::deque<Texture> textures;
  std::deque<Dictionary> dictionaries;
  std::unordered_map<std::uintptr_t, Texture*> texture_at;
  std::unordered_map<const void*, Dictionary*> dictionary_at;

  std::vector<Slot> slots;
  // The first slot of each name. The radar looks up all 64 tile slots for
  // every tile it draws: a search through the slots for each made the host's
  // lookups a quarter of a fuzzed frame's time.
  std::unordered_map<std::string, int, FoldedHash, FoldedEqual> slot_of;
  // The same answers for the names as the slots spell them, which is how
  // they are asked for: a plain hash of the bytes costs less than a folded one.
  std::unordered_map<std::string, int, SpelledHash, std::equal_to<>> slot_of_spelled;
  std::vector<Dictionary*> file_dictionaries;
  Dictionary* current = nullptr;
  // One stored dictionary, as a host keeps it: PushCurrent and SaveCurrent
  // overwrite it, PopCurrent makes it current and keeps it. A stack would
  // grow by one entry for every tile the radar draws (SaveCurrent, then
  // PushCurrent, then a single PopCurrent), without end over a long run.
  std::optional<Dictionary*> saved;
  std::map<std::string, int, std::less<>> destroys;
  std::function<void(const std::string&)> destroy_observer;
  std::uint32_t next_raster = 1;
};

Dictionary& make_dictionary(Store& s, std::string_view name,
                            const std::vector<txd::TextureEntry>& entries) {
  Dictionary& d = s.dictionaries.emplace_back();
  d.name = std::string(name);
  s.dictionary_at[&d] = &d;
  for (const txd::TextureEntry& e : entries) {
    Texture& t = s.textures.emplace_back();
    t.record = std::make_unique<TextureRecord>(TextureRecord{s.next_raster++, e.width, e.height});
    t.name = e.name;
    s.texture_at[reinterpret_cast<std::uintptr_t>(t.record.get())] = &t;
    d.textures.push_back(&t);
  }
  return d;
}

// After every change to the slots.
void index_slots(Store& s) {
  s.slot_of.clear();
  s.slot_of_spelled.clear();
  for (std::size_t k = 0; k < s.slots.size(); ++k) {
    s.slot_of.emplace(s.slots[k].name, static_cast<int>(k));
  }
  for (const Slot& slot : s.slots) s.slot_of_spelled.emplace(slot.name, s.slot_of.at(slot.name));
}

void add_slot(Store& s, std::string_view name, const std::vector<std::string>& names) {
  s.slots.push_back(Slot{std::string(name), &make_dictionary(s, name, txd::named_textures(names))});
}

void populate(Store& s) {
  add_slot(s, "generic", {"white", "star"});
  add_slot(s, "hud", {"radar_centre", "radar_north", "radardisc"});
  for (int k = 0; k < 64; ++k) {
    const std::string name = (k < 10 ? "radar0" : "radar") + std::to_string(k);
    add_slot(s, name, {name});
  }
  s.current = s.slots.front().dictionary;
  index_slots(s);
}

Store& store() {
  static Store s;
  static bool ready = false;
  if (!ready) {
    ready = true;
    populate(s);
  }
  return s;
}

void kill(Dictionary& d) {
  d.live = false;
  for (Texture* t : d.textures) t->live = false;
}

Dictionary* dictionary_at(const void* handle) {
  const auto found = store().dictionary_at.find(handle);
  return found == store().dictionary_at.end() ? nullptr : found->second;
}

Dictionary* live_dictionary(const void* handle) {
  Dictionary* d = dictionary_at(handle);
  return d && d->live ? d : nullptr;
}

Texture* texture_at(std::uint32_t handle) {
  const auto found = store().texture_at.find(handle);
  return found == store().texture_at.end() ? nullptr : found->second;
}

Texture* find(const Dictionary* d, const char* name) {
  if (d == nullptr || name == nullptr) return nullptr;
  for (Texture* t : d->textures) {
    if (txd::same_texture_name(t->name, name)) return t;
  }
  return nullptr;
}

std::uint32_t handle_of(const Texture* t) {
  return t ? static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(t->record.get())) : 0;
}

int slot_index(std::string_view name) {
  const Store& s = store();
  if (const auto spelled = s.slot_of_spelled.find(name); spelled != s.slot_of_spelled.end()) {
    return spelled->second;
  }
  const auto found = s.slot_of.find(name);
  return found == s.slot_of.end() ? -1 : found->second;
}

Dictionary* slot_dictionary(int index) {
  const std::vector<Slot>& slots = store().slots;
  if (index < 0 || static_cast<std::size_t>(index) >= slots.size()) return nullptr;
  return slots[static_cast<std::size_t>(index)].dictionary;
}

std::string label(const std::string& name, bool live) {
  return live ? name : name + " (destroyed)";
}

// Unquoted labels; nothing for a null handle.
std::optional<std::string> texture_words(std::uint32_t handle) {
  if (handle == 0) return std::nullopt;
  const Texture* t = texture_at(handle);
  return t ? label(t->name, t->live) : "(unknown)";
}

std::optional<std::string> dictionary_words(const void* dictionary) {
  if (dictionary == nullptr) return std::nullopt;
  const Dictionary* d = dictionary_at(dictionary);
  return d ? label(d->name, d->live) : "(unknown)";
}

DrawLog& log_words(DrawLog& log, const std::optional<std::string>& words) {
  return log.text(words ? words->c_str() : nullptr);
}

DrawLog& log_call(HostId id) { return draw_log().call(host_symbol(id).name); }

// The HostTxd routines.

HOST_CDECL void* find_texture(void* dictionary, const char* name) {
  log_dictionary(log_call(HostId::HostTxd_FindTexture), dictionary).text(name);
  const Texture* t = find(live_dictionary(dictionary), name);
  return t ? t->record.get() : nullptr;
}

HOST_CDECL int find_slot(const char* name) {
  log_call(HostId::HostTxd_FindSlot).text(name);
  return name ? slot_index(name) : -1;
}

HOST_CDECL void push_current(int slot) {
  log_call(HostId::HostTxd_PushCurrent).i(slot);
  store().saved = store().current;
  store().current = slot_dictionary(slot);
}

HOST_CDECL void pop_current() {
  log_call(HostId::HostTxd_PopCurrent);
  Store& s = store();
  if (s.saved) s.current = *s.saved;
}

HOST_CDECL void save_current() {
  log_call(HostId::HostTxd_SaveCurrent);
  store().saved = store().current;
}

HOST_CDECL void* get_current() {
  log_call(HostId::HostTxd_GetCurrent);
  return store().current;
}

HOST_CDECL void destroy(void* dictionary) {
  log_dictionary(log_call(HostId::HostTxd_Destroy), dictionary);
  Store& s = store();
  if (s.destroy_observer) s.destroy_observer(dictionary_label(dictionary));
  Dictionary* d = dictionary_at(dictionary);
  if (d == nullptr) return;
  ++s.destroys[d->name];
  if (!d->live) return;
  kill(*d);
  // Nothing the store keeps may name a dead dictionary.
  for (Slot& slot : s.slots) {
    if (slot.dictionary == d) slot.dictionary = nullptr;
  }
  if (s.current == d) s.current = nullptr;
  if (s.saved == d) s.saved = nullptr;
}

}  // namespace

void reset() {
  Store& s = store();
  for (Dictionary& d : s.dictionaries) kill(d);
  s.slots.clear();
  s.file_dictionaries.clear();
  s.current = nullptr;
  s.saved.reset();
  s.destroys.clear();
  s.destroy_observer = nullptr;
  s.next_raster = 1;
  populate(s);
  streams::reset();
}

void add_store_dictionary(std::string_view name, const std::vector<std::string>& textures) {
  add_slot(store(), name, textures);
  index_slots(store());
}

bool leave_out_store_dictionary(std::string_view name) {
  const int index = slot_index(name);
  if (index < 0) return false;
  std::vector<Slot>& slots = store().slots;
  Slot& slot = slots[static_cast<std::size_t>(index)];
  if (store().current == slot.dictionary) store().current = nullptr;
  if (slot.dictionary) kill(*slot.dictionary);
  slots.erase(slots.begin() + index);
  index_slots(store());
  return true;
}

bool insert_store_dictionary(std::string_view before, std::string_view name) {
  const int index = slot_index(before);
  if (index < 0) return false;
  Store& s = store();
  Dictionary& d = make_dictionary(s, name, txd::named_textures({std::string(name)}));
  s.slots.insert(s.slots.begin() + index, Slot{std::string(name), &d});
  index_slots(s);
  return true;
}

void make_current(std::string_view slot_name) {
  store().current = slot_dictionary(slot_index(slot_name));
}

void* store_dictionary(std::string_view slot_name) {
  return slot_dictionary(slot_index(slot_name));
}

void* current_dictionary() { return store().current; }

std::vector<std::string> live_dictionaries() {
  std::vector<std::string> out;
  for (const Slot& slot : store().slots) {
    if (slot.dictionary) out.push_back(slot.dictionary->name);
  }
  for (const Dictionary* d : store().file_dictionaries) {
    if (d->live) out.push_back(d->name);
  }
  return out;
}

int destroy_calls(std::string_view dictionary_name) {
  const auto found = store().destroys.find(dictionary_name);
  return found == store().destroys.end() ? 0 : found->second;
}

void on_destroy(std::function<void(const std::string&)> observer) {
  store().destroy_observer = std::move(observer);
}

std::string texture_name(std::uint32_t handle) {
  const Texture* t = texture_at(handle);
  return t && t->live ? t->name : std::string();
}

std::uint32_t texture_raster(std::uint32_t handle) {
  const Texture* t = texture_at(handle);
  return t && t->live ? t->record->raster : 0;
}

std::string texture_label(std::uint32_t handle) {
  const std::optional<std::string> words = texture_words(handle);
  return words ? format_text(*words) : "null";
}

std::string dictionary_label(const void* dictionary) {
  const std::optional<std::string> words = dictionary_words(dictionary);
  return words ? format_text(*words) : "null";
}

void* create_file_dictionary(std::string_view name, const std::vector<txd::TextureEntry>& entries) {
  Dictionary& d = make_dictionary(store(), name, entries);
  store().file_dictionaries.push_back(&d);
  return &d;
}

std::uint32_t find_in_current(const char* name) {
  return handle_of(find(live_dictionary(store().current), name));
}

// The labels are for the log alone: a log that records nothing is not worth
// the words.
DrawLog& log_texture(DrawLog& log, std::uint32_t handle) {
  if (!log.recording()) return log;
  return log_words(log, texture_words(handle));
}

DrawLog& log_raster(DrawLog& log, std::uint32_t raster) {
  if (!log.recording()) return log;
  if (raster == 0) return log.text(static_cast<const char*>(nullptr));
  // Rasters are numbered afresh after a reset: the newest texture is the live one.
  const std::deque<Texture>& all = store().textures;
  for (auto t = all.rbegin(); t != all.rend(); ++t) {
    if (t->record->raster == raster) return log_words(log, label(t->name, t->live));
  }
  return log_words(log, std::string("(unknown)"));
}

DrawLog& log_dictionary(DrawLog& log, const void* dictionary) {
  if (!log.recording()) return log;
  return log_words(log, dictionary_words(dictionary));
}

}  // namespace textures

void register_texture_services() {
  using namespace textures;
  implement<HostId::HostTxd_FindTexture>(find_texture);
  implement<HostId::HostTxd_FindSlot>(find_slot);
  implement<HostId::HostTxd_PushCurrent>(push_current);
  implement<HostId::HostTxd_PopCurrent>(pop_current);
  implement<HostId::HostTxd_SaveCurrent>(save_current);
  implement<HostId::HostTxd_GetCurrent>(get_current);
  implement<HostId::HostTxd_Destroy>(destroy);
  streams::register_services();
  sprites::register_services();
}

}  // namespace refhost
