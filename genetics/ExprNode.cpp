#include "genetics/ExprNode.h"

#include <ctype.h>

CExprNode::CExprNode() : m_nKind(EXPR_OPERAND), m_bBracketed(0)
{
}

CExprNode::~CExprNode() = default;

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

    std::unique_ptr<CExprNode> NewNode(UINT kind, std::unique_ptr<CExprNode> left = nullptr,
                                       std::unique_ptr<CExprNode> right = nullptr) const
    {
        std::unique_ptr<CExprNode> node(factory());
        node->m_nKind = kind;
        node->m_pLeft = std::move(left);
        node->m_pRight = std::move(right);
        return node;
    }

    static CString Failed(const CString& error, std::unique_ptr<CExprNode>& tree)
    {
        tree.reset();
        return error;
    }

    // The index of the bracket that closes the one at openAt, or last when none does.
    int ClosingBracket(int openAt, int last) const
    {
        int depth = 1, end = openAt + 1;
        for (; end < last; end++)
        {
            if (tokens[end] == open)
                depth++;
            else if (tokens[end] == close && --depth == 0)
                break;
        }
        return end;
    }

    // Reads the operand at token i: a word, or a bracketed expression, after
    // which i is its closing bracket.
    CString ReadOperand(int& i, int last, std::unique_ptr<CExprNode>& operand) const
    {
        const CString& token = tokens[i];
        if (token != open)
        {
            operand = NewNode(EXPR_OPERAND);
            return operand->ParseOperand(token, context);
        }
        const int end = ClosingBracket(i, last);
        if (end >= last || end == i + 1)
            return Unexpected(token);
        CString error = Parse(i + 1, end, operand);
        if (error.IsEmpty())
        {
            operand->m_bBracketed = 1;
            i = end;
        }
        return error;
    }

    // Parses tokens first..last-1 into tree; on an error the tree is empty.
    CString Parse(int first, int last, std::unique_ptr<CExprNode>& tree) const
    {
        tree.reset();
        BOOL expectOperand = TRUE;
        BOOL notPending = FALSE;
        UINT pendingOperator = EXPR_OR;
        for (int i = first; i < last; i++)
        {
            const CString& token = tokens[i];
            const BOOL isAnd = token.CompareNoCase("and") == 0;
            const BOOL isOr = token.CompareNoCase("or") == 0;
            const BOOL isNot = token.CompareNoCase("not") == 0;
            if (token == close)
                return Failed(Unexpected(token), tree);
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
                return Failed(Unexpected(token), tree);
            if (isNot)
            {
                notPending = TRUE;
                continue;
            }
            std::unique_ptr<CExprNode> operand;
            const CString error = ReadOperand(i, last, operand);
            if (!error.IsEmpty())
                return Failed(error, tree);
            if (notPending)
            {
                operand = NewNode(EXPR_NOT, std::move(operand));
                notPending = FALSE;
            }
            tree = tree ? NewNode(pendingOperator, std::move(tree), std::move(operand)) : std::move(operand);
            expectOperand = FALSE;
        }
        return expectOperand ? Failed("operand expected", tree) : CString();
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

CString ParseExpression(const CString& text, std::unique_ptr<CExprNode>& tree, void* context,
                        ExprNodeFactory factory, char open, char close)
{
    tree.reset();
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
