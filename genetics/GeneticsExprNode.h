#pragma once

#include "genetics/ExprNode.h"
#include "genetics/Genotype.h"

// What operands of a genetics condition are parsed against.
struct CGeneticsExprContext
{
    const CGeneticsSection* m_pSection;
    int m_nSex;
    UINT m_nParseFlags;
};

// Operand of a genetics condition: the constants "true" and "false", the name
// of a "means" rule, or a genotype pattern.
class CGeneticsExprNode : public CExprNode
{
public:
    CGeneticsExprNode();
    CGeneticsExprNode(const CGeneticsExprNode& other);  // deep copy of the subtree
    virtual ~CGeneticsExprNode();

    static CExprNode* Create();

    virtual CString ParseOperand(const CString& text, void* context);
    virtual CString FormatOperand(const CGeneticsSection* section);
    virtual BOOL EvaluateOperand(const CGenotype& genotype, const CGeneticsSection* section);

    CGenotype m_genotype;
    CString m_strName;
    UINT m_bConstant;
    UINT m_nConstantValue;

private:
    // The named condition found for a section, so that evaluating a name does
    // not search the rules each time; a section never changes once read, but
    // a reloaded configuration may put a new section at a freed one's address.
    const CGeneticsSection* m_pNamedSection;
    UINT m_nNamedGeneration;
    CExprNode* m_pNamedTree;
    BOOL m_bNamedFound;
};
