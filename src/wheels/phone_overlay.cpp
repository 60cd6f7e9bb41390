#include "wheels/phone_overlay.h"

// PLACEHOLDER: filled by its element.
void PhoneOverlay() {}
