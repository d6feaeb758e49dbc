#include "application/selection/GenSelAction.h"

#include "foundation/text/Tokenizer.h"
#include "foundation/text/Trim.h"
#include "genetics/GeneticsExprNode.h"
#include "genetics/GeneticsSection.h"

CGenSelAction::CGenSelAction() = default;

CGenSelAction::CGenSelAction(const CGenSelAction& other)
{
    *this = other;
}

CGenSelAction& CGenSelAction::operator=(const CGenSelAction& other)
{
    if (&other == this)
        return *this;
    m_elements = other.m_elements;
    m_pCondition.reset(other.m_pCondition
                           ? new CGeneticsExprNode(*(const CGeneticsExprNode*)other.m_pCondition.get())
                           : NULL);
    return *this;
}

CGenSelAction::~CGenSelAction() = default;

CString CGenSelAction::Parse(const CGeneticsSection* section, const CString& text)
{
    if (text.IsEmpty())
        return "action missing";
    // The condition follows the first " if "; a trailing " if" has an empty one.
    const CString padded = text + " ";
    const int at = padded.Find(" if ");
    CString elementsText = at < 0 ? text : padded.Left(at);
    CString error;
    if (at >= 0)
    {
        CString condition = padded.Mid(at + 4);
        TrimString(&condition);
        if (condition.IsEmpty())
            return "'if' clause missing";
        CGeneticsExprContext context = {section, SEX_EITHER, PARSE_ALLOW_RANGES};
        CString conditionError =
            ParseExpression(condition, m_pCondition, &context, &CGeneticsExprNode::Create, '(', ')');
        if (!conditionError.IsEmpty())
        {
            error.Format("error in 'if' clause: %s", (LPCTSTR)conditionError);
            return error;
        }
    }
    CStringArray pieces;
    TokenizeText(elementsText, pieces, ' ', TOKENIZE_TRIM, -1, '(', ')');
    for (int i = 0; i < pieces.GetSize(); i++)
    {
        CGenSelActionElement element;
        error = element.Parse(section, pieces[i]);
        if (!error.IsEmpty())
            return error;
        m_elements.push_back(element);
    }
    return error;
}

void CGenSelAction::Run(const CGeneticsSection* section, const CGenotype& before, CGenotype& working) const
{
    if (m_pCondition != nullptr && !m_pCondition->Evaluate(before, section))
        return;
    for (const CGenSelActionElement& element : m_elements)
        element.Apply(section, working);
}
