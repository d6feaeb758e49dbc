#include "genetics/ExprNode.h"

#include <ctype.h>

CExprNode::CExprNode() : m_nKind(EXPR_OPERAND), m_pLeft(NULL), m_pRight(NULL), m_bBracketed(0)
{
}

CExprNode::~CExprNode()
{
    delete m_pLeft;
    delete m_pRight;
}

BOOL CExprNode::Evaluate(const CGenotype& genotype, const CGeneticsSection* section)
{
    switch (m_nKind)
    {
    case EXPR_OPERAND:
        return EvaluateOperand(genotype, section);
    case EXPR_NOT:
        return !m_pLeft->Evaluate(genotype, section);
    case EXPR_OR:
        return m_pLeft->Evaluate(genotype, section) || m_pRight->Evaluate(genotype, section);
    case EXPR_AND:
        return m_pLeft->Evaluate(genotype, section) && m_pRight->Evaluate(genotype, section);
    default:
        return FALSE;
    }
}

namespace
{
struct ExprParser
{
    const CStringArray& tokens;
    void* context;
    ExprNodeFactory factory;
    CString open;
    CString close;

    CString Unexpected(const CString& token) const
    {
        CString error;
        error.Format("unexpected '%s' seen", (LPCTSTR)token);
        return error;
    }

    // Parses tokens first..last-1 into tree.
    CString Parse(int first, int last, CExprNode*& tree) const
    {
        tree = NULL;
        BOOL expectOperand = TRUE;
        BOOL notPending = FALSE;
        UINT pendingOperator = EXPR_OR;
        CString error;
        for (int i = first; i < last; i++)
        {
            const CString& token = tokens[i];
            const BOOL isAnd = token.CompareNoCase("and") == 0;
            const BOOL isOr = token.CompareNoCase("or") == 0;
            const BOOL isNot = token.CompareNoCase("not") == 0;
            if (token == close)
            {
                error = Unexpected(token);
                break;
            }
            if (!expectOperand)
            {
                expectOperand = TRUE;
                if (isAnd || isOr)
                {
                    pendingOperator = isAnd ? EXPR_AND : EXPR_OR;
                    continue;
                }
                // Two operands in a row mean "or"; an operand followed by "not" means "and not".
                pendingOperator = isNot ? EXPR_AND : EXPR_OR;
            }
            if (isAnd || isOr || (isNot && notPending))
            {
                error = Unexpected(token);
                break;
            }
            if (isNot)
            {
                notPending = TRUE;
                continue;
            }

            CExprNode* operand = NULL;
            if (token == open)
            {
                int depth = 1, end = i + 1;
                for (; end < last; end++)
                {
                    if (tokens[end] == open)
                        depth++;
                    else if (tokens[end] == close && --depth == 0)
                        break;
                }
                if (end >= last || end == i + 1)
                {
                    error = Unexpected(token);
                    break;
                }
                error = Parse(i + 1, end, operand);
                if (!error.IsEmpty())
                    break;
                operand->m_bBracketed = 1;
                i = end;
            }
            else
            {
                operand = factory();
                operand->m_nKind = EXPR_OPERAND;
                error = operand->ParseOperand(token, context);
                if (!error.IsEmpty())
                {
                    delete operand;
                    break;
                }
            }
            if (notPending)
            {
                CExprNode* negation = factory();
                negation->m_nKind = EXPR_NOT;
                negation->m_pLeft = operand;
                operand = negation;
                notPending = FALSE;
            }
            if (tree == NULL)
            {
                tree = operand;
            }
            else
            {
                CExprNode* joined = factory();
                joined->m_nKind = pendingOperator;
                joined->m_pLeft = tree;
                joined->m_pRight = operand;
                tree = joined;
            }
            expectOperand = FALSE;
        }
        if (error.IsEmpty() && expectOperand)
            error = "operand expected";
        if (!error.IsEmpty())
        {
            delete tree;
            tree = NULL;
        }
        return error;
    }
};

void Tokenize(const CString& text, char open, char close, CStringArray& tokens)
{
    CString token;
    for (int i = 0; i < text.GetLength(); i++)
    {
        const char c = text[i];
        if (isspace((unsigned char)c) || c == open || c == close)
        {
            if (!token.IsEmpty())
                tokens.Add(token);
            token.Empty();
            if (c == open || c == close)
                tokens.Add(CString(c));
        }
        else
        {
            token += c;
        }
    }
    if (!token.IsEmpty())
        tokens.Add(token);
}
} // namespace

// Parsing, evaluating and deleting a tree recurse once per bracket and per
// operand: a condition of tens of thousands of words would overflow the stack.
const int MaxExpressionTokens = 4096;

CString ParseExpression(const CString& text, CExprNode*& tree, void* context, ExprNodeFactory factory, char open,
                        char close)
{
    tree = NULL;
    CStringArray tokens;
    Tokenize(text, open, close, tokens);
    if (tokens.GetSize() == 0)
        return CString();
    if (tokens.GetSize() > MaxExpressionTokens)
    {
        CString error;
        error.Format("expression too long: more than %d words and brackets", MaxExpressionTokens);
        return error;
    }
    ExprParser parser{tokens, context, factory, CString(open), CString(close)};
    return parser.Parse(0, tokens.GetSize(), tree);
}
