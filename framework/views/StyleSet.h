#pragma once
// A record of drawing styles: nine line entries and four fill entries, each
// starting with the shape "Solid" and the default colour.
#include "afx/app/AfxWin.h"
#include "afx/collections/Array.h"
#include "foundation/values/Decimal.h"

// The colour that stands for "use the default".
const COLORREF DefaultStyleColour = 0xFF000000;

class CStyleSet
{
public:
    struct CLineEntry
    {
        CLineEntry();
        BYTE m_area[16];
        int m_kind = 2;
        COLORREF m_colour = DefaultStyleColour;
        CString m_shape;
        int m_count = 1;
        CDecimal m_width;
        int m_resolution = 72;
        CDecimal m_spacing;
        int m_scale = 1;
    };
    struct CFillEntry
    {
        CFillEntry();
        CString m_shape;
        BYTE m_reserved[8];
        int m_kind = 0;
        COLORREF m_colour = DefaultStyleColour;
        CPoint m_points[4];
        CDecimal m_width;
        CDecimal m_spacing;
        int m_scale = 1;
    };

    CStyleSet();
    virtual ~CStyleSet() {}

    DWORD m_values[4];
    CPoint m_origin;
    CPoint m_extent;
    CLineEntry m_lines[9];
    CFillEntry m_fills[4];

    // "Solid", "Rectangle", "Ellipse", "Hollow Ellipse".
    static const CStringArray& GetShapeNames();
};

// The two style sets of the program, with their defaults.
extern CStyleSet PrimaryStyleSet;
extern CStyleSet SecondaryStyleSet;
// Style sets added at run time.
extern CArray<CStyleSet, const CStyleSet&> StyleSets;
