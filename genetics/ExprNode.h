#pragma once

#include "afx/core/AfxCore.h"

#include <memory>

class CGenotype;
class CGeneticsSection;

// Node kinds of an expression tree.
const UINT EXPR_OPERAND = 0;
const UINT EXPR_NOT = 1;
const UINT EXPR_OR = 2;
const UINT EXPR_AND = 3;

// A boolean expression tree over operands that a derived class defines.
// A node owns its children.
class CExprNode : public CObject
{
public:
    CExprNode();
    virtual ~CExprNode();

    virtual CString ParseOperand(const CString& text, void* context) = 0;
    virtual CString FormatOperand(const CGeneticsSection* section) = 0;
    virtual BOOL EvaluateOperand(const CGenotype& genotype, const CGeneticsSection* section) = 0;

    BOOL Evaluate(const CGenotype& genotype, const CGeneticsSection* section);

    UINT m_nKind;
    std::unique_ptr<CExprNode> m_pLeft;
    std::unique_ptr<CExprNode> m_pRight;
    UINT m_bBracketed;

private:
    CExprNode(const CExprNode&) = delete;
    CExprNode& operator=(const CExprNode&) = delete;
};

typedef CExprNode* (*ExprNodeFactory)();

// Parses a condition written with "and", "or", "not" and brackets. Operators
// group strictly from the left; two operands in a row mean "or". An empty text
// gives no tree and no error; so does a failed parse.
CString ParseExpression(const CString& text, std::unique_ptr<CExprNode>& tree, void* context,
                        ExprNodeFactory factory, char open, char close);
