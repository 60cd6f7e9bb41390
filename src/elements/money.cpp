#include "elements/money.h"

// PLACEHOLDER: filled by its element.
void DrawMoney(int) {}
