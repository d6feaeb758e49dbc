#include "output/text/TextAttributeControls.h"

#include "foundation/windows/DialogExchange.h"
#include "output/text/TextStyle.h"

CTextAttributeControls::CTextAttributeControls(int boldId, int underlineId, int italicId, int smallCapsId,
                                               int allCapsId, int biggerId, int colourId, int fixedWidthId)
    : m_attributes(0), m_colour(0xFF000000), m_boldId(boldId), m_underlineId(underlineId), m_italicId(italicId),
      m_smallCapsId(smallCapsId), m_allCapsId(allCapsId), m_biggerId(biggerId), m_colourId(colourId),
      m_fixedWidthId(fixedWidthId)
{
}

void CTextAttributeControls::Exchange(CDataExchange* pDX, CTextStyle& style)
{
    if (!pDX->m_bSaveAndValidate)
    {
        m_attributes = style.m_attributes;
        m_colour = style.m_colour;
    }
    const struct
    {
        int id;
        WORD bit;
    } boxes[] = {
        {m_boldId, CTextStyle::Bold},         {m_italicId, CTextStyle::Italic},   {m_underlineId, CTextStyle::Underline},
        {m_smallCapsId, CTextStyle::SmallCaps}, {m_allCapsId, CTextStyle::AllCaps}, {m_biggerId, CTextStyle::Bigger},
        {m_fixedWidthId, CTextStyle::FixedWidth},
    };
    for (const auto& box : boxes)
        if (box.id != 0)
            DDX_CheckFlagWord(pDX, box.id, m_attributes, box.bit);
    if (m_colourId != 0)
    {
        DDX_ColourButton(pDX, m_colourId, m_colourButton, "This is the text ~colour~.", "Default");
        DDX_ColourValue(pDX, m_colourId, m_colour);
    }
    if (pDX->m_bSaveAndValidate)
    {
        style.m_attributes = m_attributes;
        style.m_colour = m_colour;
    }
}
