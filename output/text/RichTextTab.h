#pragma once
// The "t" code: a gap up to the next tab stop; its width is set when the
// line is measured.
#include "output/text/RichTextElement.h"

class CRichTextTab : public CRichTextElement
{
public:
    CRichTextTab()
    {
        m_width = 0;
        m_height = 0;
    }
    CMyCmdTarget* Clone() const override { return new CRichTextTab; }
};
