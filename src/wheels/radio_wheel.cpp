#include "wheels/radio_wheel.h"

// PLACEHOLDER: filled by its element.
void RadioWheel() {}
