#include "output/text/RichTextRun.h"

CMyCmdTarget* CRichTextRun::Clone() const
{
    CRichTextRun* copy = new CRichTextRun;
    copy->m_ascent = m_ascent;
    copy->m_descent = m_descent;
    copy->m_width = m_width;
    copy->m_fontIndex = m_fontIndex;
    copy->m_leftOverhang = m_leftOverhang;
    copy->m_rightOverhang = m_rightOverhang;
    copy->m_text = m_text;
    return copy;
}
