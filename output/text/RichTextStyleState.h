#pragma once
// The style in force at one point of formatted text: a base style, the
// counts of the switch codes and the size adjustments.
#include "output/text/RichTextSizeSteps.h"
#include "output/text/TextStyle.h"

class CRichTextStyleState
{
public:
    CRichTextStyleState() { ClearCounts(); }
    virtual ~CRichTextStyleState() {}

    void ClearCounts()
    {
        m_bold = m_smallCaps = m_allCaps = m_underline = m_italic = 0;
        m_sizeAdjustments.Clear();
    }
    void CopyFrom(const CRichTextStyleState& other)
    {
        m_base.m_typeface = other.m_base.m_typeface;
        m_base.m_pointSize = other.m_base.m_pointSize;
        m_base.m_attributes = other.m_base.m_attributes;
        m_base.m_colour = other.m_base.m_colour;
        m_bold = other.m_bold;
        m_smallCaps = other.m_smallCaps;
        m_allCaps = other.m_allCaps;
        m_underline = other.m_underline;
        m_italic = other.m_italic;
        m_sizeAdjustments = other.m_sizeAdjustments;
    }

    CTextStyle m_base;
    int m_bold;
    int m_smallCaps;
    int m_allCaps;
    int m_underline;
    int m_italic;
    CRichTextSizeSteps m_sizeAdjustments;
};
