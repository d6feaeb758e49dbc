#pragma once

#include "afx/core/AfxCore.h"

// Cuts every line at its first comment character. A line that begins with it
// is removed whole, together with the same entry of lineNumbers when given.
void StripComments(CStringArray& lines, char commentChar, CDWordArray* lineNumbers);
