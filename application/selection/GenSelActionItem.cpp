#include "application/selection/GenSelActionItem.h"

#include "application/selection/FieldList.h"

IMPLEMENT_DYNAMIC(CGenSelActionItem, CGenSelLabelItem)

int CGenSelActionItem::AddField(CGeneticsSection* rules, CFieldList& list, int sex, const CGenotype&, CDWordArray&,
                                const CString& groupText)
{
    if (!AppliesTo(rules, sex))
        return -1;
    CString group;
    const DWORD style = GetFieldStyle(sex, groupText, group);
    return list.AddButtonField(m_strLabel, m_strHelp, style, group);
}
