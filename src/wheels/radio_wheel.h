#pragma once
// The radio wheel: the station's icon and name while in a vehicle.

void RadioWheel();
