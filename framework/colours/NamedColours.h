#pragma once
// The table of named colours and the conversions between a colour and its
// display name or stored text. Names may hold terminology tokens.
#include "afx/app/AfxWin.h"

struct NamedColour
{
    COLORREF colour;
    const char* name;
};

enum { NamedColourCount = 44 };
extern const NamedColour NamedColourTable[NamedColourCount];

// The expanded name of the first entry of that colour, else "Custom Colour"
// in the user's spelling.
CString GetColourName(COLORREF colour);
// The expanded table name, else "Default" or "#rrggbb".
CString ColourToText(COLORREF colour);
// A table name (compared without case, tokens expanded), "Default" or
// "#rrggbb"; FALSE for an empty text or anything else (output unchanged).
BOOL TextToColour(LPCTSTR text, COLORREF* colour);
// The length of the longest table name (tokens expanded, without regard to
// case) that the text starts with, followed by a blank or the end; blanks that
// end a name may be missing at the end of the text. 0 when none.
int MatchColourNameAt(LPCTSTR text, COLORREF* colour);
// The colour of text that names no colour of its own: black on a device
// that is not a raster display (or none), else the window-text colour.
COLORREF GetDefaultTextColour(CDC* dc);
