#pragma once
// The check boxes of a text style's attributes and its colour field, as a
// dialog shows them: which control holds which attribute (0 = none) and the
// values being edited.
#include "framework/colours/ColourButton.h"

class CTextStyle;

class CTextAttributeControls
{
public:
    CTextAttributeControls(int boldId, int underlineId, int italicId, int smallCapsId, int allCapsId, int biggerId,
                           int colourId, int fixedWidthId);

    // Loading copies the style's attributes and colour into the controls;
    // saving copies the controls back into the style.
    void Exchange(CDataExchange* pDX, CTextStyle& style);

    WORD m_attributes;
    COLORREF m_colour;
    int m_boldId, m_underlineId, m_italicId, m_smallCapsId, m_allCapsId, m_biggerId;
    int m_colourId;
    CColourButton m_colourButton;
    int m_fixedWidthId;
};
