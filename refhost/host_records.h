#pragma once
// Fields of host records by documented name, for scenarios:
//   Character.CurrentSlot, Character.WeaponType[3], Blip[5].Sprite, ...
// A name is <record>[index].<field> or <record>.<field>[index] (see
// docs/scenario-format.md for the table). The records are the player's
// (character, vehicle, pads, weapon information) and the host tables laid
// out field by field (on-screen timers, script text lines, radar blips).
#include <nlohmann/json.hpp>
#include <string>

#include "host_image.h"

namespace refhost {

// True when `name` is a record field, which is then set from `value`;
// false when no record field has that name. Throws std::runtime_error for a
// value that does not fit the field or an index out of range.
bool set_record_field(HostImage& image, const std::string& name, const nlohmann::json& value);

}  // namespace refhost
