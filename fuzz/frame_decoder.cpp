#include "frame_decoder.h"

#include <bit>
#include <cstring>
#include <limits>
#include <nlohmann/json.hpp>
#include <string_view>
#include <type_traits>
#include <vector>

#include "host_records.h"
#include "keyboard.h"
#include "scenario.h"
#include "services/text_table.h"
#include "settings/setting_keys.h"
#include "text_encoding.h"

namespace fuzzing {

namespace {

using nlohmann::json;

enum class ScalarKind { Integer, Float };

// Symbols by id: a lookup by name compares it with every name in the map,
// which the decoder did thousands of times an input.
struct Scalar {
  HostId id;
  std::size_t size;
  ScalarKind kind;
};

// Every plain host variable; pointers are the host's own business, except the
// name pointers, which have a change of their own.
template <typename T>
constexpr bool kPlain = !std::is_pointer_v<T>;

// How the decoder varies a host variable of this type.
template <typename T>
constexpr ScalarKind KindOf() {
  if constexpr (std::is_floating_point_v<T>) return ScalarKind::Float;
  return ScalarKind::Integer;
}

const std::vector<Scalar>& Scalars() {
  static const std::vector<Scalar> scalars = [] {
    std::vector<Scalar> out;
#define HOST_VALUE(family, name, type, form, a, b, c) \
  if (kPlain<type>) out.push_back({HostId::family##_##name, sizeof(type), KindOf<type>()});
#define HOST_ARRAY(family, name, type, count, form, a, b, c)
#define HOST_ROUTINE(family, name, conv, result, params, args, form, a, b, c)
#include "runtime/host_symbols.inc"
#undef HOST_VALUE
#undef HOST_ARRAY
#undef HOST_ROUTINE
    return out;
  }();
  return scalars;
}

struct Array {
  HostId id;
  std::size_t bytes;
  bool wide_text;
};

// Host arrays and records written byte by byte. The camera record holds
// entity pointers (set through its record fields instead), and the vertex
// buffer is scratch space the plug-in fills.
const std::vector<Array>& Arrays() {
  static const std::vector<Array> arrays = [] {
    std::vector<Array> out;
#define HOST_VALUE(family, name, type, form, a, b, c)
#define HOST_ARRAY(family, name, type, count, form, a, b, c) \
  out.push_back({HostId::family##_##name, sizeof(type) * (count), std::is_same_v<type, char16_t>});
#define HOST_ROUTINE(family, name, conv, result, params, args, form, a, b, c)
#include "runtime/host_symbols.inc"
#undef HOST_VALUE
#undef HOST_ARRAY
#undef HOST_ROUTINE
    std::erase_if(out, [](const Array& a) {
      return a.id == HostId::HostCamera_Record || a.id == HostId::HostIm2D_VertexBuffer;
    });
    return out;
  }();
  return arrays;
}

const std::vector<refhost::RecordFieldName>& RecordFields() {
  static const std::vector<refhost::RecordFieldName> fields = refhost::record_fields();
  return fields;
}

// A fixed set, so that the host's published names stay few over a long run.
constexpr const char* kTexts[] = {
    "",
    "Kelderhaven",
    "Gullwing Strand",
    "~r~red ~n~second line",
    "%s%n%d",
    "\xC3\x9C\x62\x65r \xE2\x82\xAC 10",
    "0123456789012345678901234567890123456789",
    // 99 characters: a script text line's room less its terminator.
    ("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"
     "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"),
};

constexpr const char* kNamePointers[] = {"HostZone.Name", "HostZone.LastName",
                                         "HostVehicleName.Name", "HostVehicleName.LastName",
                                         "HostVehicleName.NameToPrint"};

// Text-table keys; the timers' descriptions are drawn from the same few.
constexpr const char* kTextKeys[] = {"", "T_A", "T_B", "COUNTER", "BLANK"};

// The keys the plug-in polls, and room for any other.
constexpr int kKeys[] = {1, 2, 4, 27, '1', '2', 'O', 'P', 'R', 'X', 162};

constexpr const char* kEntities[] = {"Character", "Vehicle", "VehiclePool[", "CharacterPool[",
                                     "ObjectPool["};

constexpr const char* kLayoutValues[] = {
    "0",     "1",     "2",         "3",         "-1",   "0.5",        "100",         "1e30",
    "-1e30", "1e-45", "nan",       "inf",       "-inf", "2147483647", "-2147483648", "99999999999",
    "0 0",   "-5 -5", "1e30 1e30", "1920 1080", "yes",  "False",      "abc",         ""};

constexpr std::int64_t kIntegers[] = {0, 1, -1, 2, 3, 5, 6, 7, 9, 10, 31, 32, 36, 47, 48, 100, 127,
                                      128, 255, 256, 257, 513, 1000, 1080, 1920, 32767, -32768,
                                      65535, 65536, 2147483647, -2147483647 - 1, 4294967295,
                                      // a camera slot's mode that follows its front vector,
                                      // a coordinate blip's type
                                      16, 4};

const float kFloats[] = {0.0f,
                         -0.0f,
                         1.0f,
                         -1.0f,
                         0.5f,
                         2.0f,
                         50.0f,
                         180.0f,
                         1000.0f,
                         1e6f,
                         1e30f,
                         -1e30f,
                         std::numeric_limits<float>::max(),
                         std::numeric_limits<float>::lowest(),
                         std::numeric_limits<float>::min(),
                         std::numeric_limits<float>::denorm_min(),
                         std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity(),
                         std::numeric_limits<float>::quiet_NaN()};

// cppcheck-suppress constParameter ; it writes the image's memory
void WriteBytes(refhost::HostImage& image, HostId id, std::size_t offset, const void* bytes,
                std::size_t size) {
  std::uint8_t* at = image.symbol(id);
  if (at != nullptr) std::memcpy(at + offset, bytes, size);  // a build without it has none
}

}  // namespace

FrameDecoder::FrameDecoder(ByteSource& bytes, std::uint32_t start_ms)
    : bytes_(bytes), now_ms_(start_ms) {}

FrameEvents FrameDecoder::Frame(refhost::HostImage& image, LayoutLines& layout) {
  FrameEvents events;
  AdvanceClock(image);
  const int changes = bytes_.Byte() % (kMaxChanges + 1);
  for (int k = 0; k < changes && !bytes_.Exhausted(); ++k) Change(image, layout, events);
  return events;
}

// As the host's frame loop does, with wrapping time and any frame length.
void FrameDecoder::AdvanceClock(refhost::HostImage& image) {
  now_ms_ += static_cast<std::uint32_t>(frame_ms_);
  const auto now = static_cast<std::int32_t>(now_ms_);
  const float step = static_cast<float>(frame_ms_) / 20.0f;
  WriteBytes(image, HostId::HostTime_NowMs, 0, &now, sizeof now);
  WriteBytes(image, HostId::HostTime_Step, 0, &step, sizeof step);
  if (std::uint8_t* counter = image.symbol(HostId::HostTime_FrameCounter)) ++*counter;
}

void FrameDecoder::Change(refhost::HostImage& image, LayoutLines& layout, FrameEvents& events) {
  switch (bytes_.Byte() % 16) {
    case 0:
    case 1:
      return SetScalar(image);
    case 2:
      return SetArrayBytes(image);
    case 3:
      return SetWideText(image);
    case 4:
    case 5:
      return SetRecordField(image);
    case 6:
      return SetNamePointer(image);
    case 7:
      return SetKey();
    case 8:
      return SetTextEntry();
    case 9:
      return SetLayoutLine(layout);
    case 10:
      frame_ms_ = static_cast<std::int32_t>(Integer());
      return;
    case 11:
    case 12:
      return SetGates(image);
    case 14:
      return SetBlip(image);
    case 15:
      return SetPoolEntity(image);
    default:
      // Rare: the renderer stops and starts again (a lost device, a resize).
      if (bytes_.Byte() < 16) events.restart_renderer = true;
      if (bytes_.Byte() < 32 && !layout.values.empty()) {
        layout.values.clear();
        layout.changed = true;
      }
      return;
  }
}

// The three flags that decide whether the HUD draws: mostly all open, so that
// the elements get their turn, else each way of closing them.
void FrameDecoder::SetGates(refhost::HostImage& image) {
  const std::uint8_t pick = bytes_.Byte() % 8;
  const std::uint8_t menu = pick == 5;
  const std::uint8_t show_hud = pick != 6;
  const std::uint8_t widescreen = pick == 7;
  WriteBytes(image, HostId::HostMenu_Active, 0, &menu, 1);
  WriteBytes(image, HostId::HostMenu_ShowHud, 0, &show_hud, 1);
  WriteBytes(image, HostId::HostCamera_Widescreen, 0, &widescreen, 1);
}

// Zero and one a third of the time (flags, counts), a listed value mostly,
// else raw bits.
std::int64_t FrameDecoder::Integer() {
  const std::uint8_t low = bytes_.Byte();
  if (low < 86) return low & 1;
  const std::size_t pick = bytes_.Pick(std::size(kIntegers) + 3);
  if (pick < std::size(kIntegers)) return kIntegers[pick];
  if (pick == std::size(kIntegers)) return 256 * static_cast<std::int64_t>(bytes_.Pick(8)) + 1;
  return static_cast<std::int32_t>(bytes_.Dword());
}

float FrameDecoder::Float() {
  const std::size_t pick = bytes_.Pick(std::size(kFloats) + 2);
  if (pick < std::size(kFloats)) return kFloats[pick];
  if (pick == std::size(kFloats))
    return static_cast<float>(static_cast<std::int8_t>(bytes_.Byte()));
  return std::bit_cast<float>(bytes_.Dword());
}

void FrameDecoder::SetScalar(refhost::HostImage& image) {
  const Scalar& s = Scalars()[bytes_.Pick(Scalars().size())];
  if (s.kind == ScalarKind::Float) {
    const float value = Float();
    return WriteBytes(image, s.id, 0, &value, sizeof value);
  }
  const std::int64_t value = Integer();  // little-endian: its low bytes
  WriteBytes(image, s.id, 0, &value, s.size);
}

void FrameDecoder::SetArrayBytes(refhost::HostImage& image) {
  const Array& a = Arrays()[bytes_.Pick(Arrays().size())];
  const std::size_t offset = bytes_.Pick(a.bytes);
  const std::size_t count = std::min<std::size_t>(1 + bytes_.Byte() % 8, a.bytes - offset);
  for (std::size_t k = 0; k < count; ++k) {
    const std::uint8_t byte = bytes_.Byte();
    WriteBytes(image, a.id, offset + k, &byte, 1);
  }
}

// A listed text with its terminator, or the whole array without one.
void FrameDecoder::SetWideText(refhost::HostImage& image) {
  static const std::vector<const Array*> texts = [] {
    std::vector<const Array*> out;
    for (const Array& a : Arrays()) {
      if (a.wide_text) out.push_back(&a);
    }
    return out;
  }();
  const Array& a = *texts[bytes_.Pick(texts.size())];
  const std::size_t chars = a.bytes / 2;
  if (bytes_.Byte() % 3 == 0) {
    const char16_t fill = static_cast<char16_t>(0x41 + bytes_.Byte() % 26);
    for (std::size_t k = 0; k < chars; ++k) WriteBytes(image, a.id, 2 * k, &fill, 2);
    return;
  }
  const std::u16string text =
      refhost::utf16_from_utf8(kTexts[bytes_.Pick(std::size(kTexts))]) + u'\0';
  const std::size_t start = 2 * (bytes_.Pick(chars / 128 + 1) * 128);
  if (start / 2 + text.size() <= chars)
    WriteBytes(image, a.id, start, text.data(), 2 * text.size());
}

void FrameDecoder::SetRecordField(refhost::HostImage& image) {
  const refhost::RecordFieldName& f = RecordFields()[bytes_.Pick(RecordFields().size())];
  json value;
  switch (f.value) {
    case refhost::RecordValue::Integer: {
      const std::int64_t v = Integer();
      const std::uint64_t mask = f.bits == 32 ? 0xFFFFFFFFull : (1ull << f.bits) - 1;
      if (f.is_signed) {
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
      } else {
        value = static_cast<std::uint64_t>(v) & mask;
      }
      break;
    }
    case refhost::RecordValue::Float:
      value = Float();
      break;
    case refhost::RecordValue::Text8: {
      std::string text = kTextKeys[bytes_.Pick(std::size(kTextKeys))];
      if (bytes_.Byte() % 4 == 0)
        text = std::string(f.capacity - 1, static_cast<char>('0' + bytes_.Byte() % 10));
      value = text;
      break;
    }
    case refhost::RecordValue::Text16: {
      const std::string text = kTexts[bytes_.Pick(std::size(kTexts))];
      value = refhost::utf16_from_utf8(text).size() < f.capacity ? text : std::string();
      break;
    }
    case refhost::RecordValue::Colour:
      value = {bytes_.Byte(), bytes_.Byte(), bytes_.Byte(), bytes_.Byte()};
      break;
    case refhost::RecordValue::Flag:
      value = (bytes_.Byte() & 1) != 0;
      break;
    case refhost::RecordValue::Entity: {
      const std::size_t pick = bytes_.Pick(std::size(kEntities) + 1);
      if (pick == std::size(kEntities)) break;  // null
      std::string name = kEntities[pick];
      if (name.back() == '[') name += std::to_string(bytes_.Pick(8)) + "]";
      value = name;
      break;
    }
  }
  refhost::set_record_field(image, f.name(static_cast<int>(bytes_.Pick(f.count))), value);
}

// A whole radar blip at once: in use, of any type, following a pool entity
// by a handle that may be live or stale, in a display mode that draws. Set
// field by field, such blips would come together too rarely.
void FrameDecoder::SetBlip(refhost::HostImage& image) {
  const std::string blip = "Blip[" + std::to_string(bytes_.Pick(32)) + "].";
  const auto set = [&](const char* field, const json& value) {
    refhost::set_record_field(image, blip + field, value);
  };
  constexpr int kSprites[] = {0, 0, 16, 19, 27, 3, 40};
  set("InUse", 1);
  set("Type", 1 + bytes_.Pick(5));
  set("Handle", 256 * static_cast<int>(bytes_.Pick(8)) + static_cast<int>(bytes_.Pick(3)));
  set("Display", bytes_.Pick(4));
  set("Sprite", kSprites[bytes_.Pick(std::size(kSprites))]);
  set("ColourIndex", bytes_.Pick(9));
  set("Dim", bytes_.Byte() & 1);
  set("ShortRange", bytes_.Byte() & 1);
  set("X", Float());
  set("Y", Float());
  set("Z", Float());
}

// An entity of one of the pools answering to the handle 256 i + 1, where a
// blip may find it, or to another.
void FrameDecoder::SetPoolEntity(refhost::HostImage& image) {
  constexpr const char* kPools[] = {"VehiclePool[", "CharacterPool[", "ObjectPool["};
  const std::size_t pool = bytes_.Pick(std::size(kPools));
  const std::size_t index = bytes_.Pick(8);
  const std::string entity = std::string(kPools[pool]) + std::to_string(index) + "].";
  const bool live = bytes_.Byte() % 4 != 0;
  const std::int64_t handle = live ? static_cast<std::int64_t>(256 * index + 1) : Integer();
  refhost::set_record_field(image, entity + "Handle", static_cast<std::int32_t>(handle));
  refhost::set_record_field(image, entity + "X", Float());
  refhost::set_record_field(image, entity + "Y", Float());
  refhost::set_record_field(image, entity + "Z", Float());
  if (pool == 1 && bytes_.Byte() % 2 == 0) {
    refhost::set_record_field(image, entity + "InVehicle", 1);
    // Appended, not prefixed: g++ 12 at -O2 warns of an overlap that
    // "text" + std::string cannot make (-Wrestrict).
    const std::string vehicle =
        std::string("VehiclePool[").append(std::to_string(bytes_.Pick(8))).append("]");
    refhost::set_record_field(image, entity + "Vehicle", vehicle);
  }
}

void FrameDecoder::SetNamePointer(refhost::HostImage& image) {
  const char* name = kNamePointers[bytes_.Pick(std::size(kNamePointers))];
  const std::size_t pick = bytes_.Pick(std::size(kTexts) + 1);
  const json value = pick == std::size(kTexts) ? json(nullptr) : json(kTexts[pick]);
  refhost::set_host_variable(image, name, value);
}

void FrameDecoder::SetKey() {
  const std::size_t pick = bytes_.Pick(std::size(kKeys) + 1);
  const int key = pick < std::size(kKeys) ? kKeys[pick] : bytes_.Byte();
  refhost::set_key(key, (bytes_.Byte() & 1) != 0);
}

void FrameDecoder::SetTextEntry() {
  const char* key = kTextKeys[bytes_.Pick(std::size(kTextKeys))];
  refhost::text_table::set_entry(key,
                                 refhost::utf16_from_utf8(kTexts[bytes_.Pick(std::size(kTexts))]));
}

void FrameDecoder::SetLayoutLine(LayoutLines& layout) {
  const std::size_t pick = bytes_.Pick(std::size(kLayoutSettingKeys) + 1);
  const std::string key = pick < std::size(kLayoutSettingKeys)
                              ? std::string(kLayoutSettingKeys[pick].name)
                              : std::string("RELOAD_SETTINGS");
  std::string value = kLayoutValues[bytes_.Pick(std::size(kLayoutValues))];
  if (bytes_.Byte() % 4 == 0) value = std::to_string(Float()) + " " + std::to_string(Float());
  layout.values[key] = value;
  layout.changed = true;
}

}  // namespace fuzzing
