#pragma once
// Where the radar finds its fields in host records, in bytes from each
// record's start. Every read goes through read_field / write_field.
#include <cstddef>

namespace radar_records {

// The camera record (HostCamera.Record): the active slot's index, the
// camera's front vector, then the camera slots.
inline constexpr std::size_t kCameraActive = 0;  // uint8
inline constexpr std::size_t kCameraFrontX = 4;  // float
inline constexpr std::size_t kCameraFrontY = 8;  // float
inline constexpr std::size_t kCameraSlots = 16;
inline constexpr std::size_t kCameraSlotBytes = 460;
inline constexpr std::size_t kCameraSlotCount = 3;

// One camera slot.
inline constexpr std::size_t kSlotMode = 0;     // uint16
inline constexpr std::size_t kSlotFront = 4;    // 3 floats
inline constexpr std::size_t kSlotSource = 16;  // 3 floats; x and y used
inline constexpr std::size_t kSlotTarget = 28;  // pointer to an entity record

// Vehicle, character and object records alike.
inline constexpr std::size_t kEntityPosition = 16;  // 3 floats x, y, z

// Character records.
inline constexpr std::size_t kCharacterInVehicle = 336;  // uint8
inline constexpr std::size_t kCharacterVehicle = 340;    // pointer to a vehicle record
inline constexpr std::size_t kCharacterHealth = 352;     // float, armour right after
inline constexpr std::size_t kCharacterArmour = 356;     // float

// The blip table (HostRadar.Blips): 32 records of 56 bytes.
inline constexpr int kBlipCount = 32;
inline constexpr std::size_t kBlipBytes = 56;
inline constexpr std::size_t kBlipColourIndex = 0;  // uint32
inline constexpr std::size_t kBlipType = 4;         // uint32
inline constexpr std::size_t kBlipHandle = 8;       // int32
inline constexpr std::size_t kBlipPosition = 24;    // 3 floats x, y, z
inline constexpr std::size_t kBlipDim = 38;         // uint8
inline constexpr std::size_t kBlipInUse = 39;       // uint8
inline constexpr std::size_t kBlipShortRange = 40;  // uint32
inline constexpr std::size_t kBlipMarkSize = 48;    // uint16, written by the plug-in
inline constexpr std::size_t kBlipDisplay = 50;     // uint16
inline constexpr std::size_t kBlipSprite = 52;      // uint16

}  // namespace radar_records
