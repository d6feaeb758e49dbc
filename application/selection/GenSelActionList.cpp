#include "application/selection/GenSelActionList.h"

#include "foundation/text/Tokenizer.h"
#include "foundation/text/Trim.h"
#include "genetics/ExpandTerms.h"

CString CGenSelActionList::Parse(const CGeneticsSection* section, const CString& text, BOOL named)
{
    CString actions = text;
    TrimString(&actions);
    if (actions.IsEmpty())
        return "action list missing";
    if (named)
    {
        const int colon = actions.Find(':');
        if (colon < 0)
            return "colon missing in action list";
        m_strName = ExpandTerms(actions.Left(colon));
        TrimString(&m_strName);
        if (m_strName.IsEmpty())
            return "action list has no name";
        actions = actions.Mid(colon + 1);
    }
    CStringArray pieces;
    TokenizeText(actions, pieces, ';', TOKENIZE_TRIM, -1, '(', ')');
    for (int i = 0; i < pieces.GetSize(); i++)
    {
        CGenSelAction action;
        CString error = action.Parse(section, pieces[i]);
        if (!error.IsEmpty())
            return error;
        m_actions.push_back(action);
    }
    return CString();
}

void CGenSelActionList::Run(const CGeneticsSection* section, const CGenotype& before, CGenotype& working) const
{
    for (const CGenSelAction& action : m_actions)
        action.Run(section, before, working);
}
