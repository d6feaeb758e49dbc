#include "genetics/GeneticsExprNode.h"

#include "genetics/GeneticsSection.h"

CGeneticsExprNode::CGeneticsExprNode()
    : m_bConstant(0), m_nConstantValue(0), m_pNamedSection(NULL), m_nNamedGeneration(0), m_pNamedTree(NULL), m_bNamedFound(FALSE)
{
}

CGeneticsExprNode::CGeneticsExprNode(const CGeneticsExprNode& other)
    : m_genotype(other.m_genotype), m_strName(other.m_strName), m_bConstant(other.m_bConstant),
      m_nConstantValue(other.m_nConstantValue), m_pNamedSection(NULL), m_nNamedGeneration(0), m_pNamedTree(NULL), m_bNamedFound(FALSE)
{
    m_nKind = other.m_nKind;
    m_bBracketed = other.m_bBracketed;
    if (other.m_pLeft != NULL)
        m_pLeft.reset(new CGeneticsExprNode(*(const CGeneticsExprNode*)other.m_pLeft.get()));
    if (other.m_pRight != NULL)
        m_pRight.reset(new CGeneticsExprNode(*(const CGeneticsExprNode*)other.m_pRight.get()));
}

CGeneticsExprNode::~CGeneticsExprNode()
{
}

CExprNode* CGeneticsExprNode::Create()
{
    return new CGeneticsExprNode;
}

CString CGeneticsExprNode::ParseOperand(const CString& text, void* context)
{
    const CGeneticsExprContext* parse = (const CGeneticsExprContext*)context;
    m_bConstant = 0;
    if (text.CompareNoCase("true") == 0 || text.CompareNoCase("false") == 0)
    {
        m_bConstant = 1;
        m_nConstantValue = text.CompareNoCase("true") == 0 ? 1 : 0;
        return CString();
    }
    // A name refers only to a "means" rule that stands before the condition,
    // so named conditions can never form a cycle.
    CExprNode* named;
    if (parse->m_pSection->FindNamedCondition(text, named))
    {
        m_strName = text;
        return CString();
    }
    return m_genotype.Parse(parse->m_pSection, text, parse->m_nSex, parse->m_nParseFlags);
}

CString CGeneticsExprNode::FormatOperand(const CGeneticsSection* section)
{
    if (m_bConstant)
        return m_nConstantValue ? "true" : "false";
    if (!m_strName.IsEmpty())
        return m_strName;
    return m_genotype.Format(section, FORMAT_SHOW_NONE | FORMAT_UNKNOWN_AS_QUESTION);
}

BOOL CGeneticsExprNode::EvaluateOperand(const CGenotype& genotype, const CGeneticsSection* section)
{
    if (m_bConstant)
        return m_nConstantValue != 0;
    if (!m_strName.IsEmpty())
    {
        const UINT generation = CGeneticsSection::GetSectionGeneration();
        if (section != m_pNamedSection || generation != m_nNamedGeneration)
        {
            m_bNamedFound = section->FindNamedCondition(m_strName, m_pNamedTree);
            m_pNamedSection = section;
            m_nNamedGeneration = generation;
        }
        if (!m_bNamedFound || m_pNamedTree == NULL)
            return TRUE;
        return m_pNamedTree->Evaluate(genotype, section);
    }
    return m_genotype.Matches(genotype, MATCH_ANY);
}
