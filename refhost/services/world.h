#pragma once
// The game world as the radar meets it: the camera record and its routine
// HostCamera.LookDirection, the entity pools (HostPools.VehicleAt,
// CharacterAt, ObjectAt), the player's position and heading
// (HostPlayer.Position, HostPlayer.Heading) and HostVector.Normalise. Every
// call is recorded in the draw log with its arguments; records are host
// memory the plug-in reads at the layout below (docs/scenario-format.md).
#include <cstddef>
#include <cstdint>
#include <string>

namespace refhost {

void register_world_services();

namespace world {

// The camera record (HostCamera.Record): the active slot's index, the
// camera's front vector, the answer of LookDirection, then three slots.
constexpr std::size_t kCameraActive = 0;          // uint8
constexpr std::size_t kCameraFront = 4;           // floats x, y
constexpr std::size_t kCameraLookDirection = 12;  // int32
constexpr std::size_t kCameraSlots = 16;
constexpr std::size_t kCameraSlotBytes = 460;
constexpr int kCameraSlotCount = 3;
constexpr std::size_t kSlotMode = 0;     // uint16
constexpr std::size_t kSlotFront = 4;    // 3 floats
constexpr std::size_t kSlotSource = 16;  // 3 floats
constexpr std::size_t kSlotTarget = 28;  // entity pointer

// Every entity record: the handle it answers to, its world position.
constexpr std::size_t kEntityHandle = 0;     // int32
constexpr std::size_t kEntityPosition = 16;  // 3 floats
// Character records, the player's included.
constexpr std::size_t kCharacterHeading = 28;     // float
constexpr std::size_t kCharacterInVehicle = 336;  // uint8
constexpr std::size_t kCharacterVehicle = 340;    // vehicle pointer
constexpr std::size_t kCharacterHealth = 352;     // float
constexpr std::size_t kCharacterArmour = 356;     // float

enum class Pool { Vehicle, Character, Object };
constexpr int kPoolSize = 8;
constexpr std::size_t kPoolRecordBytes[] = {0x400, 0x600, 0x100};

// Record `index` of a pool. A handle is 256 x index + a tag of 1..255; the
// record answers to the handle in its handle field, so any other handle for
// that index is stale and finds nothing.
std::uint8_t* pool_record(Pool pool, int index);

// An entity as a scenario names it: "Character" and "Vehicle" (the player's),
// "VehiclePool[i]", "CharacterPool[i]", "ObjectPool[i]". Null for an unknown
// name.
std::uint8_t* entity(const std::string& name);

// Every pool record zero.
void reset();

}  // namespace world
}  // namespace refhost
