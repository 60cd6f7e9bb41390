#include "elements/big_messages.h"

// PLACEHOLDER: filled by its element.
void DrawBigMessages() {}
