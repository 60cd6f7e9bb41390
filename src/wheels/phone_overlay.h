#pragma once
// The phone picture at the bottom right with the clock on it.

void PhoneOverlay();
