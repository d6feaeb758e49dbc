#include "application/selection/GenSelTab.h"

#include "genetics/ExpandTerms.h"

IMPLEMENT_DYNAMIC(CGenSelTab, CGenSelElement)

CMyCmdTarget* CGenSelTab::Clone() const
{
    CGenSelTab* copy = new CGenSelTab;
    copy->m_strLabel = m_strLabel;
    copy->m_strGroup = m_strGroup;
    return copy;
}

void CGenSelTab::ParseOptions(CString& error, CGeneticsSection* section, CStringArray& options)
{
    CGenSelElement::ParseOptions(error, section, options);
    if (!error.IsEmpty())
        return;
    TakeOptions(options, [this](const CString& key, const CString& value) {
        if (key.CompareNoCase("label") == 0)
            m_strLabel = ExpandTerms(value);
        else if (key.CompareNoCase("group") == 0)
            m_strGroup = ExpandTerms(value);
        else
            return OPTION_LEFT;
        return OPTION_TAKEN;
    });
}
