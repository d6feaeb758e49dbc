#include "output/text/RichTextState.h"

CRichTextState::CRichTextState(HDC dc, HDC attribDC)
    : m_normalFont(-1), m_smallCapsFont(-1), m_allCaps(FALSE), m_smallCaps(FALSE), m_tabInterval(8),
      m_remainingPageHeight(-1), m_pageHeight(-1), m_indentation(0), m_origin{0, 0}, m_extent{0, 0},
      m_selectedFont(-1), m_fontInDC(dc, (HGDIOBJ)NULL), m_fontInAttribDC(attribDC, (HGDIOBJ)NULL)
{
}

void CRichTextState::SelectFont(int index, HGDIOBJ font)
{
    if (m_selectedFont == index)
        return;
    m_fontInDC.Reselect(font);
    m_fontInAttribDC.Reselect(font);
    m_selectedFont = index;
}
