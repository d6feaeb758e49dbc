#include "application/selection/GenSelActionElement.h"

#include "genetics/GeneticsSection.h"

CString CGenSelActionElement::Parse(const CGeneticsSection* section, const CString& text)
{
    CString error;
    if (text.IsEmpty())
        return "action element missing";
    if (text[0] == '~')
    {
        const CString name = text.Mid(1);
        m_nKind = KIND_CLEAR;
        m_nGene = section->FindGene(name);
        if (m_nGene == 0)
            error.Format("unknown gene '%s' in action element", (LPCTSTR)name);
        return error;
    }
    m_nKind = KIND_SET;
    CString pairError = m_pair.Parse(section, text, SEX_EITHER, 0);
    if (pairError.IsEmpty())
        return error;
    if (m_pair.ParsePolygene(section, text, TRUE).IsEmpty())
        return error;
    error.Format("error in action element: %s", (LPCTSTR)pairError);
    return error;
}

void CGenSelActionElement::Apply(const CGeneticsSection*, CGenotype& working) const
{
    if (m_nKind == KIND_SET)
    {
        working.RemoveGene(m_pair.m_nGene);
        working.AddPair(m_pair);
    }
    else
    {
        working.RemoveGene(m_nGene);
    }
}
