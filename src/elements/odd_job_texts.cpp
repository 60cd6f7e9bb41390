#include "elements/odd_job_texts.h"

// PLACEHOLDER: filled by its element.
void DrawOddJobTexts() {}
