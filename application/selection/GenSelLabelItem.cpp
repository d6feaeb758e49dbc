#include "application/selection/GenSelLabelItem.h"

#include "application/selection/Field.h"
#include "genetics/ExpandTerms.h"
#include "genetics/AllelePair.h"

IMPLEMENT_DYNAMIC(CGenSelLabelItem, CGenSelItem)

CMyCmdTarget* CGenSelLabelItem::Clone() const
{
    CGenSelLabelItem* copy = new CGenSelLabelItem;
    copy->CopyLabelItem(*this);
    return copy;
}

void CGenSelLabelItem::CopyLabelItem(const CGenSelLabelItem& other)
{
    CopyItem(other);
    m_strLabel = other.m_strLabel;
    m_bDisableForMale = other.m_bDisableForMale;
    m_bDisableForFemale = other.m_bDisableForFemale;
    m_bFemaleOnly = other.m_bFemaleOnly;
    m_bMaleOnly = other.m_bMaleOnly;
}

DWORD CGenSelLabelItem::GetFieldStyle(int sex, const CString& groupText, CString& group) const
{
    DWORD style = m_nStyle;
    if ((m_bDisableForMale && sex == SEX_MALE) || (m_bDisableForFemale && sex == SEX_FEMALE))
        style |= FS_DISABLED;
    group = m_strGroup.IsEmpty() ? groupText : m_strGroup;
    if (!group.IsEmpty())
        style |= FS_GROUP_START;
    return style;
}

void CGenSelLabelItem::ParseOptions(CString& error, CGeneticsSection* section, CStringArray& options)
{
    CGenSelItem::ParseOptions(error, section, options);
    if (!error.IsEmpty())
        return;
    TakeOptions(options, [this](const CString& key, const CString& value) {
        if (key.CompareNoCase("label") != 0)
            return OPTION_LEFT;
        m_strLabel = ExpandTerms(value);
        return OPTION_TAKEN;
    });
    if (TakeFlag('f'))
        m_bDisableForMale = 1;
    if (TakeFlag('m'))
        m_bDisableForFemale = 1;
    if (TakeFlag('F'))
        m_bFemaleOnly = 1;
    if (TakeFlag('M'))
        m_bMaleOnly = 1;
}

BOOL CGenSelLabelItem::AppliesTo(const CGeneticsSection*, int sex) const
{
    if (m_bFemaleOnly && sex != SEX_FEMALE)
        return FALSE;
    return !(m_bMaleOnly && sex != SEX_MALE);
}
