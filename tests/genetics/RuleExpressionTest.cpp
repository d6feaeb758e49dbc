#include "GeneticsTestSupport.h"

#include "genetics/GeneticsExprNode.h"
#include "genetics/StripComments.h"

namespace
{
class RuleExpression : public ::testing::Test
{
protected:
    RuleExpression()
        : m_config(BasicGenesText() + "B,- means HasB\n"),
          m_section(m_config.Section()), m_context{m_section, SEX_EITHER, PARSE_ALLOW_ANY | PARSE_ALLOW_RANGES}
    {
    }

    CString Parse(const char* text)
    {
        return ParseExpression(text, m_tree, &m_context, &CGeneticsExprNode::Create, '(', ')');
    }

    // The tree written with brackets around every operator node.
    CString Shape(CExprNode* node)
    {
        switch (node->m_nKind)
        {
        case EXPR_OPERAND:
            return node->FormatOperand(m_section);
        case EXPR_NOT:
            return "not " + Shape(node->m_pLeft.get());
        default:
            return "(" + Shape(node->m_pLeft.get()) + (node->m_nKind == EXPR_AND ? " and " : " or ") +
                   Shape(node->m_pRight.get()) + ")";
        }
    }

    CString ShapeOf(const char* text)
    {
        const CString error = Parse(text);
        EXPECT_TEXT(error, "") << text;
        return m_tree ? Shape(m_tree.get()) : CString("<none>");
    }

    BOOL Evaluate(const char* condition, const char* genotype)
    {
        EXPECT_TEXT(Parse(condition), "") << condition;
        return m_tree->Evaluate(ParseGenotype(m_section, genotype), m_section);
    }

    CTestConfig m_config;
    CGeneticsSection* m_section;
    CGeneticsExprContext m_context;
    std::unique_ptr<CExprNode> m_tree;
};
} // namespace

TEST_F(RuleExpression, GroupsStrictlyFromTheLeft)
{
    EXPECT_TEXT(ShapeOf("B,b or D,d and E,e"), "((Bb or Dd) and Ee)");
    EXPECT_TEXT(ShapeOf("B,b or (D,d and E,e)"), "(Bb or (Dd and Ee))");
    EXPECT_TEXT(ShapeOf("B,b D,d"), "(Bb or Dd)");
    EXPECT_TEXT(ShapeOf("B,b not D,d"), "(Bb and not Dd)");
    EXPECT_TEXT(ShapeOf("not (B,b or D,d) E,e"), "(not (Bb or Dd) or Ee)");
    EXPECT_TEXT(ShapeOf("TRUE and False"), "(true and false)");
    EXPECT_TEXT(ShapeOf("Not B,-"), "not B-");
    EXPECT_TEXT(ShapeOf("Xo,! or ?,b"), "(Xo! or ?b)");
    EXPECT_TEXT(ShapeOf("((B,b))"), "Bb");
    EXPECT_TRUE(m_tree->m_bBracketed);
}

TEST_F(RuleExpression, EmptyTextGivesNoTree)
{
    EXPECT_TEXT(Parse(""), "");
    EXPECT_TRUE(m_tree == nullptr);
    EXPECT_TEXT(Parse("   "), "");
    EXPECT_TRUE(m_tree == nullptr);
}

TEST_F(RuleExpression, Errors)
{
    EXPECT_TEXT(Parse("not not B,b"), "unexpected 'not' seen");
    EXPECT_TEXT(Parse("B,b and"), "operand expected");
    EXPECT_TEXT(Parse("and B,b"), "unexpected 'and' seen");
    EXPECT_TEXT(Parse("B,b or or D,d"), "unexpected 'or' seen");
    EXPECT_TEXT(Parse("B,b )"), "unexpected ')' seen");
    EXPECT_TEXT(Parse("( B,b"), "unexpected '(' seen");
    EXPECT_TEXT(Parse("B,b ()"), "unexpected '(' seen");
    EXPECT_TEXT(Parse("not"), "operand expected");
    EXPECT_TEXT(Parse("B,b (D,d and)"), "operand expected");
    // A misspelt name shows up as a genotype error.
    EXPECT_TEXT(Parse("IsB"), "unknown allele or range symbol 'IsB'");
    EXPECT_TRUE(m_tree == nullptr);
}

TEST_F(RuleExpression, Evaluation)
{
    EXPECT_TRUE(Evaluate("B,b or D,d and E,e", "B,b E,e"));
    EXPECT_FALSE(Evaluate("B,b or D,d and E,e", "B,b"));
    EXPECT_TRUE(Evaluate("B,b or (D,d and E,e)", "B,b"));
    EXPECT_TRUE(Evaluate("B,- not e,e", "b,B E,e"));
    EXPECT_FALSE(Evaluate("B,- not e,e", "B,B e,e"));
    EXPECT_FALSE(Evaluate("B,-", "b,b"));
    EXPECT_TRUE(Evaluate("true", "b,b"));
    EXPECT_FALSE(Evaluate("not TRUE", "b,b"));
    EXPECT_TRUE(Evaluate("Height=12-14", "Height=13"));
    EXPECT_FALSE(Evaluate("Tall", "Height=3"));
}

TEST(RuleExpressionNames, NamedConditionsAreEvaluatedThroughTheirRules)
{
    CTestConfig config(BasicGenesText() + "b,b or d,d means Dilute\n"
                                          "Dilute and E,- means DiluteColour\n"
                                          "always means Anything\n");
    CGeneticsSection* section = config.Section();
    CGeneticsExprContext context = {section, SEX_EITHER, PARSE_ALLOW_ANY};
    std::unique_ptr<CExprNode> tree;
    EXPECT_TEXT(ParseExpression("DiluteColour and Anything", tree, &context, &CGeneticsExprNode::Create, '(', ')'),
                "");
    ASSERT_TRUE(tree != nullptr);
    EXPECT_TRUE(tree->Evaluate(ParseGenotype(section, "d,d E,e"), section));
    EXPECT_FALSE(tree->Evaluate(ParseGenotype(section, "d,d e,e"), section));
    EXPECT_FALSE(tree->Evaluate(ParseGenotype(section, "D,d E,E"), section));
    // Names are exact: case counts.
    std::unique_ptr<CExprNode> other;
    EXPECT_TEXT(ParseExpression("dilute", other, &context, &CGeneticsExprNode::Create, '(', ')'),
                "unknown allele or range symbol 'dilute'");

    // A deep copy evaluates alike and is independent of the original.
    CGeneticsExprNode copy(*(CGeneticsExprNode*)tree.get());
    tree.reset();
    EXPECT_TRUE(copy.Evaluate(ParseGenotype(section, "b,b E,E"), section));
}

TEST(RuleExpressionNames, ANameCanOnlyReferToAnEarlierRule)
{
    CGeneticsConfig config;
    EXPECT_TEXT(ReadConfigText(config, BasicGenesText() + "Loop or B,b means Loop\n"),
                "line 10, invalid expression 'Loop or B,b' on 'means' line - unknown allele or range symbol 'Loop'");
}

TEST(StripCommentsTest, CutsAndRemovesLines)
{
    CStringArray lines;
    lines.Add("# whole");
    lines.Add("gene B B, b # remark");
    lines.Add("plain");
    CDWordArray numbers;
    numbers.Add(1);
    numbers.Add(2);
    numbers.Add(3);
    StripComments(lines, '#', &numbers);
    ASSERT_EQ(lines.GetSize(), 2);
    EXPECT_TEXT(lines[0], "gene B B, b ");
    EXPECT_EQ(numbers[0], 2u);
    EXPECT_TEXT(lines[1], "plain");

    CStringArray noNumbers;
    noNumbers.Add("#x");
    StripComments(noNumbers, '#', NULL);
    ASSERT_EQ(noNumbers.GetSize(), 1);
    EXPECT_TEXT(noNumbers[0], "");
}

// A condition kept while its section is rebuilt (a reload can also put a new
// section at a freed one's address) must not use the old named condition.
TEST(RuleExpressionReload, ANamedConditionIsLookedUpAgainAfterTheSectionChanged)
{
    CTestConfig config(BasicGenesText() + "B,- means Named\n");
    CGeneticsSection* section = config.Section();
    CGeneticsExprContext context{section, SEX_EITHER, PARSE_ALLOW_ANY | PARSE_ALLOW_RANGES};
    std::unique_ptr<CExprNode> tree;
    EXPECT_TEXT(ParseExpression("Named", tree, &context, &CGeneticsExprNode::Create, '(', ')'), "");
    ASSERT_TRUE(tree != nullptr);
    const CGenotype recessive = ParseGenotype(section, "b,b");
    EXPECT_FALSE(tree->Evaluate(recessive, section));

    // The rebuilt section has no "Named" any more: an unknown name holds.
    section->Reset();
    EXPECT_TRUE(tree->Evaluate(recessive, section));
}
