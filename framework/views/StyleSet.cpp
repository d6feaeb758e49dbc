#include "framework/views/StyleSet.h"

namespace
{
// The measurements every entry starts with.
const CDecimal InitialWidth;
const CDecimal InitialSpacing;
} // namespace

CStyleSet PrimaryStyleSet;
CStyleSet SecondaryStyleSet;
CArray<CStyleSet, const CStyleSet&> StyleSets;

const CStringArray& CStyleSet::GetShapeNames()
{
    static CStringArray names;
    if (names.GetSize() == 0)
    {
        for (const char* name : {"Solid", "Rectangle", "Ellipse", "Hollow Ellipse"})
            names.Add(name);
    }
    return names;
}

CStyleSet::CLineEntry::CLineEntry()
    : m_shape(GetShapeNames()[0]), m_width(InitialWidth), m_spacing(InitialSpacing)
{
    memset(m_area, 0, sizeof(m_area));
}

CStyleSet::CFillEntry::CFillEntry()
    : m_shape(GetShapeNames()[0]), m_width(InitialWidth), m_spacing(InitialSpacing)
{
    memset(m_reserved, 0, sizeof(m_reserved));
}

CStyleSet::CStyleSet() : m_origin(0, 0), m_extent(0, 0)
{
    memset(m_values, 0, sizeof(m_values));
}
