#include "output/text/RichTextState.h"

CRichTextState::CRichTextState()
    : m_ownsFonts(FALSE), m_normalFont(-1), m_smallCapsFont(-1), m_allCaps(FALSE), m_smallCaps(FALSE),
      m_tabInterval(8), m_remainingPageHeight(-1), m_pageHeight(-1), m_indentation(0),
      m_previousFont(NULL), m_selectedFont(-1)
{
    memset(&m_metrics, 0, sizeof(m_metrics));
    m_origin.x = m_origin.y = 0;
    m_extent.cx = m_extent.cy = 0;
}

CRichTextState::~CRichTextState()
{
    if (m_ownsFonts)
        for (CFont* font : m_fonts)
            delete font;
}
