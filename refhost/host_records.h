#pragma once
// Fields of host records by documented name, for scenarios:
//   Character.CurrentSlot, Character.WeaponType[3], Blip[5].Sprite, ...
// A name is <record>[index].<field> or <record>.<field>[index] (see
// docs/scenario-format.md for the table). The records are the player's
// (character, vehicle, pads, weapon information) and the host tables laid
// out field by field (on-screen timers, script text lines, radar blips).
#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "host_image.h"

namespace refhost {

// True when `name` is a record field, which is then set from `value`;
// false when no record field has that name. Throws std::runtime_error for a
// value that does not fit the field or an index out of range.
bool set_record_field(HostImage& image, const std::string& name, const nlohmann::json& value);

// What a record field takes, for tools that make host states of their own.
enum class RecordValue { Integer, Float, Text8, Text16, Colour, Flag, Entity };

struct RecordFieldName {
  std::string record;  // "Blip", "Camera.Slot"
  std::string field;   // "Handle"
  int count;           // indices a name may carry; 1: none
  RecordValue value;
  int bits;  // integers: width, and whether signed below
  bool is_signed;
  std::size_t capacity;  // texts: characters including the terminator
  // The name of element `index`, as set_record_field reads it.
  std::string name(int index) const;
};

// Every record field, in the order of docs/scenario-format.md.
std::vector<RecordFieldName> record_fields();

}  // namespace refhost
