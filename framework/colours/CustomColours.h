#pragma once
// The 16 custom colours of the common colour dialog. One program-wide set,
// white until the preferences load it, stored as a string list whose first
// item is "a".
#include "afx/app/AfxWin.h"

class CCustomColours
{
public:
    enum { Count = 16 };

    CCustomColours() { Reset(); }

    void Reset();
    CString ToText() const;
    // 1 when the text holds "a" and 16 colours; otherwise 0, with the colours
    // read before the first bad one and white for the rest.
    int FromText(LPCTSTR text);

    COLORREF m_colours[Count];
};

extern CCustomColours CustomColours;
