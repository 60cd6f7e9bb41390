#pragma once
// The host's game-state predicates. HostState.HideAmmo answers what the
// scenario or test set (State.HideAmmo, default false: the host shows the
// ammunition); each call is recorded in the draw log.

namespace refhost {

void register_game_state_services();

namespace game_state {

void set_hide_ammo(bool hide);
// Back to the start: every predicate false.
void reset();

}  // namespace game_state
}  // namespace refhost
