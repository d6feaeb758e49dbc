#pragma once
// Text forms of three-valued flags, colours and compass positions.
#include "afx/core/AfxCore.h"

// A three-valued flag: 0 false, 1 true, 2 indeterminate.
typedef int TriState;
// "Default": no explicit colour is set.
const COLORREF DEFAULT_COLOUR = 0xFF000000;
// The text form of DEFAULT_COLOUR.
extern CString DefaultColourText;

// A place in a box: 0 centre, 1 n, 2 s, 3 e, 4 w, 5 ne, 6 nw, 7 se, 8 sw.
typedef int CompassPosition;

// Exactly one character: "0FNfn" give 0, "1TYty" 1, "2IUiu" 2.
BOOL ParseTriState(const char* text, TriState* result);
// "f", "t", or "i" for any other value.
const char* TriStateToLetter(TriState value);
// "Default" in any case, or "#rrggbb" with six hexadecimal digits.
BOOL ParseColour(const char* text, COLORREF* result);
// "Default" or "#rrggbb" in lower-case hexadecimal.
CString ColourToString(COLORREF colour);
// "c", "n", "s", "e", "w", "ne", "nw", "se", "sw" in any case.
BOOL ParseCompassPosition(const char* text, CompassPosition* result);
