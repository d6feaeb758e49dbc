#include "application/selection/GenSelButton.h"

IMPLEMENT_DYNAMIC(CGenSelButton, CGenSelActionItem)

CMyCmdTarget* CGenSelButton::Clone() const
{
    CGenSelButton* copy = new CGenSelButton;
    copy->CopyLabelItem(*this);
    copy->m_actions = m_actions;
    return copy;
}

void CGenSelButton::ParseOptions(CString& error, CGeneticsSection* section, CStringArray& options)
{
    CGenSelActionItem::ParseOptions(error, section, options);
    if (!error.IsEmpty())
        return;
    TakeOptions(options, [&](const CString& key, const CString& value) {
        if (key.CompareNoCase("onclick") != 0)
            return OPTION_LEFT;
        // The last "onclick" counts.
        m_actions = CGenSelActionList();
        error = m_actions.Parse(section, value, FALSE);
        return error.IsEmpty() ? OPTION_TAKEN : OPTION_FAILED;
    });
}

void CGenSelButton::DoAction(const CGeneticsSection* genes, CWnd*, UINT, const CGenotype& before, CGenotype& working)
{
    m_actions.Run(genes, before, working);
}
