#include "host_records.h"

#include <cstring>
#include <stdexcept>
#include <string_view>
#include <unordered_map>

#include "machine_code.h"
#include "services/game_state.h"
#include "services/pad_query.h"
#include "services/player.h"
#include "services/radar.h"
#include "services/radio.h"
#include "services/world.h"
#include "text_encoding.h"

namespace refhost {

namespace {

using nlohmann::json;

// Presence and Answer set what a host routine answers rather than memory.
enum class Kind { I32, U32, U16, U8, F32, Text8, Text16, Colour, Presence, Answer, Entity };

// Where a record lives: a player record, an entity pool, the radar's host
// state, a host variable of the image, or a host routine's answer.
enum class Base {
  Character,
  Vehicle,
  Pad,
  WeaponInfo,
  VehiclePool,
  CharacterPool,
  ObjectPool,
  RadarHost,
  Variable,
  Routine
};
namespace w = world;
constexpr std::size_t kSlot = w::kCameraSlots;
constexpr std::size_t kSlotBytes = w::kCameraSlotBytes;
constexpr std::size_t kVehicleBytes = w::kPoolRecordBytes[0];
constexpr std::size_t kCharacterBytes = w::kPoolRecordBytes[1];
constexpr std::size_t kObjectBytes = w::kPoolRecordBytes[2];
constexpr std::size_t kX = w::kEntityPosition;

struct Field {
  const char* record;  // name before the field, without its index
  const char* field;   // field name, without its index
  Base base;
  const char* variable;  // Base::Variable: the host variable holding the table
  std::size_t offset;    // of the first element
  std::size_t stride;    // between indexed elements (records or fields)
  int count;             // elements an index may choose; 1 for no index
  Kind kind;
  std::size_t capacity;  // texts: characters including the terminator
};

// Offsets are the host's, as the elements read them.
constexpr Field kFields[] = {
    {"Character", "Present", Base::Character, nullptr, 0, 0, 1, Kind::Presence, 0},
    {"Character", "WeaponType", Base::Character, nullptr, 1032, 24, 10, Kind::I32, 0},
    {"Character", "WeaponClip", Base::Character, nullptr, 1040, 24, 10, Kind::I32, 0},
    {"Character", "WeaponTotal", Base::Character, nullptr, 1044, 24, 10, Kind::I32, 0},
    {"Character", "CurrentSlot", Base::Character, nullptr, 1284, 0, 1, Kind::U8, 0},
    {"Character", "Byte940", Base::Character, nullptr, 940, 0, 1, Kind::U8, 0},
    {"Character", "X", Base::Character, nullptr, kX, 0, 1, Kind::F32, 0},
    {"Character", "Y", Base::Character, nullptr, kX + 4, 0, 1, Kind::F32, 0},
    {"Character", "Z", Base::Character, nullptr, kX + 8, 0, 1, Kind::F32, 0},
    {"Character", "Heading", Base::Character, nullptr, w::kCharacterHeading, 0, 1, Kind::F32, 0},
    {"Character", "Health", Base::Character, nullptr, w::kCharacterHealth, 0, 1, Kind::F32, 0},
    {"Character", "Armour", Base::Character, nullptr, w::kCharacterArmour, 0, 1, Kind::F32, 0},
    {"Vehicle", "Present", Base::Vehicle, nullptr, 0, 0, 1, Kind::Presence, 0},
    {"Vehicle", "Station", Base::Vehicle, nullptr, 572, 0, 1, Kind::U8, 0},
    {"Vehicle", "RadioLocked", Base::Vehicle, nullptr, radio::kRadioLockedOffset, 0, 1, Kind::U8,
     0},
    {"Pad", "Word24", Base::Pad, nullptr, 24, player::kPadBytes, player::kPads, Kind::U16, 0},
    {"Pad", "Word66", Base::Pad, nullptr, 66, player::kPadBytes, player::kPads, Kind::U16, 0},
    {"Pad", "Query", Base::Pad, nullptr, pad_query::kAnswerOffset, player::kPadBytes, player::kPads,
     Kind::U8, 0},
    {"WeaponInfo", "ClipSize", Base::WeaponInfo, nullptr, 0, player::kWeaponInfoBytes,
     player::kWeaponTypes, Kind::I32, 0},
    {"OnscreenTimer.Timer", "Description", Base::Variable, "HostOnscreenTimer.Entries", 0, 0, 1,
     Kind::Text8, 10},
    {"OnscreenTimer.Timer", "Text", Base::Variable, "HostOnscreenTimer.Entries", 10, 0, 1,
     Kind::Text8, 42},
    {"OnscreenTimer.Timer", "Active", Base::Variable, "HostOnscreenTimer.Entries", 52, 0, 1,
     Kind::U8, 0},
    {"OnscreenTimer.Counter", "Description", Base::Variable, "HostOnscreenTimer.Entries", 60, 60, 3,
     Kind::Text8, 10},
    {"OnscreenTimer.Counter", "Kind", Base::Variable, "HostOnscreenTimer.Entries", 70, 60, 3,
     Kind::U16, 0},
    {"OnscreenTimer.Counter", "Value", Base::Variable, "HostOnscreenTimer.Entries", 72, 60, 3,
     Kind::Text8, 42},
    {"OnscreenTimer.Counter", "Active", Base::Variable, "HostOnscreenTimer.Entries", 114, 60, 3,
     Kind::U8, 0},
    {"ScriptText", "Colour", Base::Variable, "HostScriptText.Lines", 8, 244, 48, Kind::Colour, 0},
    {"ScriptText", "SwitchA", Base::Variable, "HostScriptText.Lines", 12, 244, 48, Kind::U8, 0},
    {"ScriptText", "SwitchC", Base::Variable, "HostScriptText.Lines", 13, 244, 48, Kind::U8, 0},
    {"ScriptText", "SwitchD", Base::Variable, "HostScriptText.Lines", 14, 244, 48, Kind::U8, 0},
    {"ScriptText", "SwitchE", Base::Variable, "HostScriptText.Lines", 15, 244, 48, Kind::U8, 0},
    {"ScriptText", "LineWidth", Base::Variable, "HostScriptText.Lines", 20, 244, 48, Kind::F32, 0},
    {"ScriptText", "BoxColour", Base::Variable, "HostScriptText.Lines", 24, 244, 48, Kind::Colour,
     0},
    {"ScriptText", "SwitchF", Base::Variable, "HostScriptText.Lines", 28, 244, 48, Kind::U8, 0},
    {"ScriptText", "SwitchB", Base::Variable, "HostScriptText.Lines", 30, 244, 48, Kind::U8, 0},
    {"ScriptText", "Font", Base::Variable, "HostScriptText.Lines", 32, 244, 48, Kind::U16, 0},
    {"ScriptText", "GeometryA", Base::Variable, "HostScriptText.Lines", 36, 244, 48, Kind::F32, 0},
    {"ScriptText", "GeometryB", Base::Variable, "HostScriptText.Lines", 40, 244, 48, Kind::F32, 0},
    {"ScriptText", "Text", Base::Variable, "HostScriptText.Lines", 44, 244, 48, Kind::Text16, 100},
    {"BigMessage", "Text", Base::Variable, "HostText.BigMessageSlots", 0, 256, 6, Kind::Text16,
     128},
    {"BigMessage", "Timer", Base::Variable, "HostText.BigMessageTimers", 0, 4, 6, Kind::F32, 0},
    {"BigMessage", "SlideX", Base::Variable, "HostText.BigMessageSlideX", 0, 4, 6, Kind::F32, 0},
    {"PlayerInfo", "Money", Base::Variable, "HostPlayerInfo.Money", 0, 368, 4, Kind::I32, 0},
    {"State", "HideAmmo", Base::Routine, nullptr, 0, 0, 1, Kind::Answer, 0},
    {"Blip", "ColourIndex", Base::Variable, "HostRadar.Blips", 0, 56, 32, Kind::U32, 0},
    {"Blip", "Type", Base::Variable, "HostRadar.Blips", 4, 56, 32, Kind::U32, 0},
    {"Blip", "Handle", Base::Variable, "HostRadar.Blips", 8, 56, 32, Kind::I32, 0},
    {"Blip", "X", Base::Variable, "HostRadar.Blips", 24, 56, 32, Kind::F32, 0},
    {"Blip", "Y", Base::Variable, "HostRadar.Blips", 28, 56, 32, Kind::F32, 0},
    {"Blip", "Z", Base::Variable, "HostRadar.Blips", 32, 56, 32, Kind::F32, 0},
    {"Blip", "Dim", Base::Variable, "HostRadar.Blips", 38, 56, 32, Kind::U8, 0},
    {"Blip", "InUse", Base::Variable, "HostRadar.Blips", 39, 56, 32, Kind::U8, 0},
    {"Blip", "ShortRange", Base::Variable, "HostRadar.Blips", 40, 56, 32, Kind::U32, 0},
    {"Blip", "MarkSize", Base::Variable, "HostRadar.Blips", 48, 56, 32, Kind::U16, 0},
    {"Blip", "Display", Base::Variable, "HostRadar.Blips", 50, 56, 32, Kind::U16, 0},
    {"Blip", "Sprite", Base::Variable, "HostRadar.Blips", 52, 56, 32, Kind::U16, 0},
    {"Camera", "Active", Base::Variable, "HostCamera.Record", w::kCameraActive, 0, 1, Kind::U8, 0},
    {"Camera", "FrontX", Base::Variable, "HostCamera.Record", w::kCameraFront, 0, 1, Kind::F32, 0},
    {"Camera", "FrontY", Base::Variable, "HostCamera.Record", w::kCameraFront + 4, 0, 1, Kind::F32,
     0},
    {"Camera", "LookDirection", Base::Variable, "HostCamera.Record", w::kCameraLookDirection, 0, 1,
     Kind::I32, 0},
    {"Camera.Slot", "Mode", Base::Variable, "HostCamera.Record", kSlot + w::kSlotMode, kSlotBytes,
     w::kCameraSlotCount, Kind::U16, 0},
    {"Camera.Slot", "FrontX", Base::Variable, "HostCamera.Record", kSlot + w::kSlotFront,
     kSlotBytes, w::kCameraSlotCount, Kind::F32, 0},
    {"Camera.Slot", "FrontY", Base::Variable, "HostCamera.Record", kSlot + w::kSlotFront + 4,
     kSlotBytes, w::kCameraSlotCount, Kind::F32, 0},
    {"Camera.Slot", "FrontZ", Base::Variable, "HostCamera.Record", kSlot + w::kSlotFront + 8,
     kSlotBytes, w::kCameraSlotCount, Kind::F32, 0},
    {"Camera.Slot", "SourceX", Base::Variable, "HostCamera.Record", kSlot + w::kSlotSource,
     kSlotBytes, w::kCameraSlotCount, Kind::F32, 0},
    {"Camera.Slot", "SourceY", Base::Variable, "HostCamera.Record", kSlot + w::kSlotSource + 4,
     kSlotBytes, w::kCameraSlotCount, Kind::F32, 0},
    {"Camera.Slot", "Target", Base::Variable, "HostCamera.Record", kSlot + w::kSlotTarget,
     kSlotBytes, w::kCameraSlotCount, Kind::Entity, 0},
    {"VehiclePool", "Handle", Base::VehiclePool, nullptr, w::kEntityHandle, kVehicleBytes,
     w::kPoolSize, Kind::I32, 0},
    {"VehiclePool", "X", Base::VehiclePool, nullptr, kX, kVehicleBytes, w::kPoolSize, Kind::F32, 0},
    {"VehiclePool", "Y", Base::VehiclePool, nullptr, kX + 4, kVehicleBytes, w::kPoolSize, Kind::F32,
     0},
    {"VehiclePool", "Z", Base::VehiclePool, nullptr, kX + 8, kVehicleBytes, w::kPoolSize, Kind::F32,
     0},
    {"CharacterPool", "Handle", Base::CharacterPool, nullptr, w::kEntityHandle, kCharacterBytes,
     w::kPoolSize, Kind::I32, 0},
    {"CharacterPool", "X", Base::CharacterPool, nullptr, kX, kCharacterBytes, w::kPoolSize,
     Kind::F32, 0},
    {"CharacterPool", "Y", Base::CharacterPool, nullptr, kX + 4, kCharacterBytes, w::kPoolSize,
     Kind::F32, 0},
    {"CharacterPool", "Z", Base::CharacterPool, nullptr, kX + 8, kCharacterBytes, w::kPoolSize,
     Kind::F32, 0},
    {"CharacterPool", "InVehicle", Base::CharacterPool, nullptr, w::kCharacterInVehicle,
     kCharacterBytes, w::kPoolSize, Kind::U8, 0},
    {"CharacterPool", "Vehicle", Base::CharacterPool, nullptr, w::kCharacterVehicle,
     kCharacterBytes, w::kPoolSize, Kind::Entity, 0},
    {"ObjectPool", "Handle", Base::ObjectPool, nullptr, w::kEntityHandle, kObjectBytes,
     w::kPoolSize, Kind::I32, 0},
    {"ObjectPool", "X", Base::ObjectPool, nullptr, kX, kObjectBytes, w::kPoolSize, Kind::F32, 0},
    {"ObjectPool", "Y", Base::ObjectPool, nullptr, kX + 4, kObjectBytes, w::kPoolSize, Kind::F32,
     0},
    {"ObjectPool", "Z", Base::ObjectPool, nullptr, kX + 8, kObjectBytes, w::kPoolSize, Kind::F32,
     0},
    {"Map", "ScaleX", Base::RadarHost, nullptr, radar::kMapScaleX, 0, 1, Kind::F32, 0},
    {"Map", "ScaleY", Base::RadarHost, nullptr, radar::kMapScaleY, 0, 1, Kind::F32, 0},
    {"Script", "HidesCoordinateBlips", Base::RadarHost, nullptr, radar::kHidesCoordinateBlips, 0, 1,
     Kind::U8, 0},
};

struct ParsedName {
  std::string record;
  std::string field;
  int index = -1;  // -1: no index given
};

// The field of a record by "<record>.<field>", indices left out. A search
// comparing the name with each field's took a tenth of a fuzzed frame,
// which sets whole blips field by field.
const Field* field_named(const ParsedName& name) {
  static const std::unordered_map<std::string, const Field*> by_name = [] {
    std::unordered_map<std::string, const Field*> made;
    for (const Field& f : kFields) made.emplace(std::string(f.record) + "." + f.field, &f);
    return made;
  }();
  const auto found = by_name.find(name.record + "." + name.field);
  return found == by_name.end() ? nullptr : found->second;
}

// Splits "A.B[2].C" or "A.C[2]" into record, field and the one index.
bool parse_name(const std::string& name, ParsedName& out) {
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos) return false;
  std::string head = name.substr(0, dot);
  std::string tail = name.substr(dot + 1);
  for (std::string* part : {&head, &tail}) {
    const std::size_t open = part->find('[');
    if (open == std::string::npos) continue;
    const std::size_t close = part->find(']', open);
    if (close != part->size() - 1 || out.index >= 0) return false;
    out.index = std::stoi(part->substr(open + 1, close - open - 1));
    part->erase(open);
  }
  out.record = head;
  out.field = tail;
  return true;
}

std::uint8_t* base_of(HostImage& image, const Field& f) {
  switch (f.base) {
    case Base::Character:
      return player::character();
    case Base::Vehicle:
      return player::vehicle();
    case Base::Pad:
      return player::pad(0);
    case Base::WeaponInfo:
      return player::weapon_info(0);
    case Base::VehiclePool:
      return world::pool_record(world::Pool::Vehicle, 0);
    case Base::CharacterPool:
      return world::pool_record(world::Pool::Character, 0);
    case Base::ObjectPool:
      return world::pool_record(world::Pool::Object, 0);
    case Base::RadarHost:
      return reinterpret_cast<std::uint8_t*>(&radar::host_state());
    case Base::Variable:
      return image.symbol(f.variable);
    case Base::Routine:
      return nullptr;
  }
  return nullptr;
}

double number(const std::string& name, const json& value) {
  if (value.is_boolean()) return value.get<bool>() ? 1 : 0;
  if (!value.is_number()) throw std::runtime_error(name + ": expected a number");
  return value.get<double>();
}

void write_text8(std::uint8_t* at, const std::string& name, const json& value, std::size_t cap) {
  if (!value.is_string()) throw std::runtime_error(name + ": expected a text");
  const std::string text = value.get<std::string>();
  if (text.size() + 1 > cap) throw std::runtime_error(name + ": text longer than the field");
  std::memcpy(at, text.c_str(), text.size() + 1);
}

void write_text16(std::uint8_t* at, const std::string& name, const json& value, std::size_t cap) {
  if (!value.is_string()) throw std::runtime_error(name + ": expected a text");
  const std::u16string text = utf16_from_utf8(value.get<std::string>()) + u'\0';
  if (text.size() > cap) throw std::runtime_error(name + ": text longer than the field");
  // NOLINTNEXTLINE(bugprone-not-null-terminated-result): text ends in the u'\0' added above
  std::memcpy(at, text.data(), 2 * text.size());
}

template <typename T>
void write_number(std::uint8_t* at, const std::string& name, const json& value) {
  const T v = static_cast<T>(number(name, value));
  std::memcpy(at, &v, sizeof(T));
}

void write(std::uint8_t* at, const Field& f, const std::string& name, const json& value) {
  switch (f.kind) {
    case Kind::I32:
      return write_number<std::int32_t>(at, name, value);
    case Kind::U32:
      return write_number<std::uint32_t>(at, name, value);
    case Kind::U16:
      return write_number<std::uint16_t>(at, name, value);
    case Kind::U8:
      return write_number<std::uint8_t>(at, name, value);
    case Kind::F32:
      return write_number<float>(at, name, value);
    case Kind::Text8:
      return write_text8(at, name, value, f.capacity);
    case Kind::Text16:
      return write_text16(at, name, value, f.capacity);
    case Kind::Colour:
      if (!value.is_array() || value.size() != 4) {
        throw std::runtime_error(name + ": expected [r, g, b, a]");
      }
      for (std::size_t k = 0; k < 4; ++k) write_number<std::uint8_t>(at + k, name, value[k]);
      return;
    case Kind::Entity: {
      // A host pointer to an entity record, named as docs/scenario-format.md says.
      std::uint8_t* entity = nullptr;
      if (!value.is_null()) {
        if (!value.is_string())
          throw std::runtime_error(name + ": expected an entity name or null");
        entity = world::entity(value.get<std::string>());
        if (entity == nullptr)
          throw std::runtime_error(name + ": no entity " + value.get<std::string>());
      }
      const std::uint32_t address = machine_code::address_of(entity);
      std::memcpy(at, &address, 4);
      return;
    }
    case Kind::Presence: {
      const bool present = number(name, value) != 0;
      if (f.base == Base::Character) player::set_character_present(present);
      if (f.base == Base::Vehicle) player::set_vehicle_present(present);
      return;
    }
    case Kind::Answer:
      game_state::set_hide_ammo(number(name, value) != 0);
      return;
  }
}

RecordFieldName describe(const Field& f) {
  RecordFieldName d{f.record, f.field, f.count, RecordValue::Integer, 32, false, f.capacity};
  switch (f.kind) {
    case Kind::I32:
      d.is_signed = true;
      break;
    case Kind::U32:
      break;
    case Kind::U16:
      d.bits = 16;
      break;
    case Kind::U8:
      d.bits = 8;
      break;
    case Kind::F32:
      d.value = RecordValue::Float;
      break;
    case Kind::Text8:
      d.value = RecordValue::Text8;
      break;
    case Kind::Text16:
      d.value = RecordValue::Text16;
      break;
    case Kind::Colour:
      d.value = RecordValue::Colour;
      break;
    case Kind::Presence:
    case Kind::Answer:
      d.value = RecordValue::Flag;
      break;
    case Kind::Entity:
      d.value = RecordValue::Entity;
      break;
  }
  return d;
}

}  // namespace

std::string RecordFieldName::name(int index) const {
  if (count == 1) return record + "." + field;
  return record + "[" + std::to_string(index) + "]." + field;
}

std::vector<RecordFieldName> record_fields() {
  std::vector<RecordFieldName> out;
  for (const Field& f : kFields) out.push_back(describe(f));
  return out;
}

bool set_record_field(HostImage& image, const std::string& name, const json& value) {
  ParsedName parsed;
  if (!parse_name(name, parsed)) return false;
  const Field* field = field_named(parsed);
  if (field == nullptr) return false;
  const Field& f = *field;
  const int index = parsed.index < 0 ? 0 : parsed.index;
  if (index >= f.count || (parsed.index >= 0 && f.count == 1)) {
    throw std::runtime_error(name + ": index out of range");
  }
  if (f.kind == Kind::Answer) {
    write(nullptr, f, name, value);
    return true;
  }
  std::uint8_t* base = base_of(image, f);
  if (base == nullptr) return true;  // a table of a build that has none
  write(base + f.offset + static_cast<std::size_t>(index) * f.stride, f, name, value);
  return true;
}

}  // namespace refhost
