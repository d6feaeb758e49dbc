#pragma once
// Characters of one line in one font, as measured on the layout's device.
#include "foundation/containers/MyCmdTarget.h"

class CRichTextRun : public CMyCmdTarget
{
public:
    CRichTextRun()
        : m_ascent(0), m_descent(0), m_width(0), m_fontIndex(-1), m_leftOverhang(0), m_rightOverhang(0)
    {
    }
    CMyCmdTarget* Clone() const override;

    int m_ascent;
    int m_descent;
    int m_width;
    int m_fontIndex;
    int m_leftOverhang;
    int m_rightOverhang;
    CString m_text;
};
