#include "application/selection/GenSelItem.h"

#include "genetics/ExpandTerms.h"

IMPLEMENT_DYNAMIC(CGenSelItem, CGenSelElement)

CMyCmdTarget* CGenSelItem::Clone() const
{
    CGenSelItem* copy = new CGenSelItem;
    copy->CopyItem(*this);
    return copy;
}

void CGenSelItem::CopyItem(const CGenSelItem& other)
{
    m_nStyle = other.m_nStyle;
    m_strHelp = other.m_strHelp;
    m_strGroup = other.m_strGroup;
    m_strLeftoverFlags = other.m_strLeftoverFlags;
}

static void ApplyStyleLetter(DWORD& style, CString& leftovers, char letter)
{
    switch (letter)
    {
    case 'X': style |= 0x800000; break;
    case 'Y': style &= ~0x800000; break;
    case 'a': style |= 0x1; break;
    case 'c': style |= 0x2; break;
    case 'd': style |= 0x40; break;
    case 'e': style |= 0x20; break;
    case 'n': style |= 0x8; break;
    case 'v': style |= 0x4000; break;
    case 'x': style |= 0x8000; break;
    case 'y': style &= ~0x8000; break;
    default: leftovers += letter; break;
    }
}

void CGenSelItem::ParseOptions(CString& error, CGeneticsSection* section, CStringArray& options)
{
    CGenSelElement::ParseOptions(error, section, options);
    if (!error.IsEmpty())
        return;
    TakeOptions(options, [this](const CString& key, const CString& value) {
        if (key.CompareNoCase("flags") == 0)
        {
            for (int c = 0; c < value.GetLength(); c++)
                ApplyStyleLetter(m_nStyle, m_strLeftoverFlags, value[c]);
        }
        else if (key.CompareNoCase("help") == 0)
        {
            m_strHelp = ExpandTerms(value);
        }
        else if (key.CompareNoCase("group") == 0)
        {
            m_strGroup = ExpandTerms(value);
            m_nStyle |= GENSEL_STYLE_GROUP;
        }
        else
        {
            return OPTION_LEFT;
        }
        return OPTION_TAKEN;
    });
}

BOOL CGenSelItem::AppliesTo(const CGeneticsSection*, int) const
{
    return TRUE;
}

BOOL CGenSelItem::TakeFlag(char letter)
{
    return m_strLeftoverFlags.Remove(letter) > 0;
}
