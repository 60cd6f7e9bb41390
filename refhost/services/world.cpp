#include "services/world.h"

#include <cmath>
#include <cstring>

#include "draw_log.h"
#include "host_image.h"
#include "routines.h"
#include "services/player.h"

namespace refhost {

namespace world {

namespace {

struct Pools {
  alignas(16) std::uint8_t vehicles[kPoolSize][kPoolRecordBytes[0]] = {};
  alignas(16) std::uint8_t characters[kPoolSize][kPoolRecordBytes[1]] = {};
  alignas(16) std::uint8_t objects[kPoolSize][kPoolRecordBytes[2]] = {};
};

Pools& pools() {
  static Pools p;
  return p;
}

DrawLog& log_call(HostId id) { return draw_log().call(host_symbol(id).name); }

template <typename T>
T get(const std::uint8_t* record, std::size_t offset) {
  T value;
  std::memcpy(&value, record + offset, sizeof(T));
  return value;
}

void* find(Pool pool, int handle) {
  if (handle <= 0 || handle / 256 >= kPoolSize) return nullptr;
  std::uint8_t* record = pool_record(pool, handle / 256);
  return get<std::int32_t>(record, kEntityHandle) == handle ? record : nullptr;
}

HOST_CDECL void* vehicle_at(int handle) {
  log_call(HostId::HostPools_VehicleAt).i(handle);
  return find(Pool::Vehicle, handle);
}

HOST_CDECL void* character_at(int handle) {
  log_call(HostId::HostPools_CharacterAt).i(handle);
  return find(Pool::Character, handle);
}

HOST_CDECL void* object_at(int handle) {
  log_call(HostId::HostPools_ObjectAt).i(handle);
  return find(Pool::Object, handle);
}

HOST_CDECL float* player_position() {
  log_call(HostId::HostPlayer_Position);
  return reinterpret_cast<float*>(player::character() + kEntityPosition);
}

HOST_CDECL float player_heading() {
  log_call(HostId::HostPlayer_Heading);
  return get<float>(player::character(), kCharacterHeading);
}

// The camera answers from its own record; any other object is not a camera.
// cppcheck-suppress constParameter ; the host routine's own signature
HOST_THISCALL int look_direction(void* camera) {
  const std::uint8_t* record = current_image()->symbol(HostId::HostCamera_Record);
  const bool known = camera == record;
  log_call(HostId::HostCamera_LookDirection).text(known ? "HostCamera.Record" : "(unknown)");
  return known ? get<std::int32_t>(record, kCameraLookDirection) : 0;
}

HOST_THISCALL float normalise(float* vector) {
  log_call(HostId::HostVector_Normalise).f(vector[0]).f(vector[1]).f(vector[2]);
  const float length =
      std::sqrt(vector[0] * vector[0] + vector[1] * vector[1] + vector[2] * vector[2]);
  if (length > 0.0f) {
    for (int k = 0; k < 3; ++k) vector[k] /= length;
  }
  return length;
}

}  // namespace

std::uint8_t* pool_record(Pool pool, int index) {
  switch (pool) {
    case Pool::Vehicle:
      return pools().vehicles[index];
    case Pool::Character:
      return pools().characters[index];
    case Pool::Object:
      return pools().objects[index];
  }
  return nullptr;
}

std::uint8_t* entity(const std::string& name) {
  if (name == "Character") return player::character();
  if (name == "Vehicle") return player::vehicle();
  struct Named {
    const char* prefix;
    Pool pool;
  };
  for (const Named& n :
       {Named{"VehiclePool[", Pool::Vehicle}, Named{"CharacterPool[", Pool::Character},
        Named{"ObjectPool[", Pool::Object}}) {
    const std::string prefix = n.prefix;
    if (name.rfind(prefix, 0) != 0 || name.back() != ']') continue;
    const std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - 1);
    if (digits.empty() || digits.size() > 2 ||
        digits.find_first_not_of("0123456789") != std::string::npos) {
      return nullptr;
    }
    const int index = std::stoi(digits);
    return index < kPoolSize ? pool_record(n.pool, index) : nullptr;
  }
  return nullptr;
}

void reset() { pools() = Pools{}; }

}  // namespace world

void register_world_services() {
  using namespace world;
  implement<HostId::HostPools_VehicleAt>(vehicle_at);
  implement<HostId::HostPools_CharacterAt>(character_at);
  implement<HostId::HostPools_ObjectAt>(object_at);
  implement<HostId::HostPlayer_Position>(player_position);
  implement<HostId::HostPlayer_Heading>(player_heading);
  implement<HostId::HostCamera_LookDirection>(look_direction);
  implement<HostId::HostVector_Normalise>(normalise);
}

}  // namespace refhost
