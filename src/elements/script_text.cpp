#include "elements/script_text.h"

// PLACEHOLDER: filled by its element.
void DrawScriptTextA() {}
void DrawScriptTextB() {}
