#pragma once

#include "afx/core/AfxCore.h"

// One control of a dialog template as read by CDlgTemplateReader: what is
// needed to create a copy of it anywhere.
class CDlgTemplateItem : public CObject
{
public:
    // The item header in the extended layout (help id 0 for classic templates).
    struct ExtendedHeader
    {
        DWORD helpId;
        DWORD exStyle;
        DWORD style;
        short x, y, cx, cy;
        DWORD id;
    };

    CDlgTemplateItem();

    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;   // dialog units
    WORD id;
    ExtendedHeader extended;
    CString windowClass;
    int classOrdinal;     // -1 when the class is given as text
    CString text;
    int textOrdinal;      // -1 when the text is text
    CByteArray creationData;
    CRect rect;           // pixels; empty unless the reader had a unit window
};
