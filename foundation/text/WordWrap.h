#pragma once
// Wrapping of text lines to a maximum number of characters at word boundaries.
#include "afx/core/AfxCore.h"

// Fills the array with the lines of the text (split at CR LF) and, for a
// width of 1 or more, breaks every longer line into pieces of at most that
// width at whitespace. A word longer than the width stands alone, unbroken;
// only the first piece keeps the line's indentation.
void WrapTextLines(CStringArray* lines, const char* text, int maximumWidth);
