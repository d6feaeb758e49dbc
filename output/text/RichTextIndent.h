#pragma once
// The "L" code: lines started after it are indented by a number of average
// character widths.
#include "output/text/RichTextElement.h"

class CRichTextIndent : public CRichTextElement
{
public:
    explicit CRichTextIndent(int characters) : m_characters(characters)
    {
        m_width = 0;
        m_height = 0;
    }
    CMyCmdTarget* Clone() const override { return new CRichTextIndent(m_characters); }

    int m_characters;
};
