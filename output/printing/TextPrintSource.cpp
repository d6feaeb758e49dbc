#include "output/printing/TextPrintSource.h"

#include "foundation/text/WordWrap.h"
#include "foundation/values/ValueText.h"
#include "foundation/windows/SelectedObject.h"
#include "framework/colours/NamedColours.h"

BOOL CTextPrintSource::Render()
{
    CDC* dc = GetDC();
    CTextStyle style;
    CString form;
    if (m_fieldMap != NULL && m_fieldMap->Lookup("Text Form", form))
        style.SetFromNameOrText(*m_fieldMap, "Text Form");
    else
        style.FromText("Courier New,10,FixedWidth");
    CFont font;
    TEXTMETRIC metrics;
    style.CreateFont(dc, NULL, &font, &metrics, 1.0);
    CSelectedObject selectedFont(dc->m_hDC, font.GetSafeHandle());
    COLORREF previousColour =
        ::SetTextColor(dc->m_hDC, style.m_colour != DEFAULT_COLOUR ? style.m_colour : GetDefaultTextColour(dc));

    GetCurrentY();
    int width = m_content.right - m_content.left;
    int average = metrics.tmAveCharWidth < 2 ? 1 : metrics.tmAveCharWidth;
    int perLine = width / average;
    if (perLine < 1)
        perLine = 1;
    CStringArray lines;
    WrapTextLines(&lines, GetPrintText(), perLine);
    HDC attrib = dc->m_hAttribDC != NULL ? dc->m_hAttribDC : dc->m_hDC;
    for (int i = 0; i < lines.GetSize() && !m_stopped; ++i)
    {
        CString line = lines[i].IsEmpty() ? CString(" ") : lines[i];
        SIZE size = {0, 0};
        ::GetTextExtentPoint32A(attrib, line, line.GetLength(), &size);
        if (i > 0)
            EnsureSpace(size.cy);
        int y = GetCurrentY();
        if (m_stopped)
            break;
        RECT clip = {m_content.left, y, m_content.left + size.cx < m_content.right ? m_content.left + size.cx
                                                                                     : m_content.right,
                     y + size.cy};
        ::ExtTextOutA(dc->m_hDC, m_content.left, y, ETO_CLIPPED, &clip, line, line.GetLength(), NULL);
        m_y = y + size.cy;
    }
    ::SetTextColor(dc->m_hDC, previousColour);
    return TRUE;
}
