#include "framework/colours/CustomColours.h"

#include "foundation/settings/StringListCodec.h"
#include "foundation/values/ValueText.h"

CCustomColours CustomColours;

void CCustomColours::Reset()
{
    for (COLORREF& colour : m_colours)
        colour = RGB(255, 255, 255);
}

CString CCustomColours::ToText() const
{
    CStringArray items;
    items.Add("a");
    for (COLORREF colour : m_colours)
        items.Add(ColourToString(colour));
    return EncodeStringList(items);
}

int CCustomColours::FromText(LPCTSTR text)
{
    Reset();
    CStringArray items;
    if (!DecodeStringList(text, items) || items.GetSize() != Count + 1 || items[0] != "a")
        return 0;
    for (int i = 0; i < Count; i++)
        if (!ParseColour(items[i + 1], &m_colours[i]))
            return 0;
    return 1;
}
