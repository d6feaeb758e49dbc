#pragma once
// One key of the drop-down calculator: its label and colour, the characters
// that press it from the keyboard (lower case), its width in cells and place.
#include "afx/app/AfxWin.h"

struct CCalculatorKey
{
    CString label;
    CString characters;
    COLORREF colour;     // 0xFFFFFFFF: the button text colour
    int width;           // in cells
    BOOL startsRow;
    BOOL pressed;
    CRect rect;
    int code;            // CalculatorKeyCode
};
