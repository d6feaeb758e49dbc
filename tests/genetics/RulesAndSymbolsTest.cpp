#include "GeneticsTestSupport.h"

TEST(RulesAndSymbols, RuleKeywords)
{
    EXPECT_EQ(CGeneticsSection::FindRuleKind("LeThAl"), RULE_LETHAL);
    EXPECT_EQ(CGeneticsSection::FindRuleKind("goto"), RULE_GOTO);
    EXPECT_EQ(CGeneticsSection::FindRuleKind("gene"), RULE_NONE);
    EXPECT_TEXT(CGeneticsSection::GetRuleKeyword(RULE_ASSUMED_IF_MALE), "assumedifmale");
    EXPECT_TEXT(CGeneticsSection::GetRuleKeyword(10), "");
    EXPECT_TEXT(CGeneticsSection::GetRuleKeyword(0), "");
}

TEST(RulesAndSymbols, SymbolTable)
{
    CGeneticsSection section;
    EXPECT_EQ(section.GetGeneCount(), 0u);
    EXPECT_EQ(section.FindGene(""), 0u);
    UINT code = 0;
    EXPECT_TEXT(section.AddSymbol("Ab_1", 1, 0.5, code), "");
    EXPECT_EQ(code, 1u);
    EXPECT_TEXT(section.AddSymbol("Ab_1", 1, 0.5, code), "allele or range symbol 'Ab_1' already defined");
    EXPECT_TEXT(section.AddSymbol("a-b", 1, 0.5, code), "'a-b' is not a valid name for an allele or range symbol");
    EXPECT_TEXT(section.AddSymbol("a b", 1, 0.5, code), "'a b' is not a valid name for an allele or range symbol");
    EXPECT_TEXT(section.AddSymbol("", 1, 0.5, code), "empty allele or range symbol name");

    EXPECT_TEXT(section.LookupSymbol("", 0, code), "empty allele or range symbol name");
    EXPECT_TEXT(section.LookupSymbol("zz", 0, code), "unknown allele or range symbol 'zz'");
    EXPECT_TEXT(section.LookupSymbol("-", 0, code), "unknown allele or range symbol '-'");
    EXPECT_TEXT(section.LookupSymbol("-", SYMBOL_DASH_IS_ANY | SYMBOL_UNKNOWN, code), "");
    EXPECT_EQ(code, ALLELE_ANY);
    EXPECT_TEXT(section.LookupSymbol("-", SYMBOL_UNKNOWN, code), "");
    EXPECT_EQ(code, ALLELE_UNKNOWN);
    EXPECT_TEXT(section.LookupSymbol("!", SYMBOL_BANG_IS_NONE, code), "");
    EXPECT_EQ(code, ALLELE_NONE);

    EXPECT_TEXT(section.GetSymbolName(ALLELE_UNKNOWN), "-");
    EXPECT_TEXT(section.GetSymbolName(ALLELE_UNKNOWN, SYMBOLNAME_QUESTION_MARK), "?");
    EXPECT_TEXT(section.GetSymbolName(ALLELE_NONE), "!");
    EXPECT_TEXT(section.GetSymbolName(ALLELE_ANY), "-");
    EXPECT_TEXT(section.GetSymbolName(999), "");
    EXPECT_TEXT(section.GetSymbolDescription(ALLELE_ANY), "");

    EXPECT_TRUE(IsValidName("abc_XYZ_019"));
    EXPECT_FALSE(IsValidName(""));
    EXPECT_FALSE(IsValidName("a-b"));
}

TEST(RulesAndSymbols, LineReferences)
{
    EXPECT_TEXT(FormatLineReference(12), "line 12");
    EXPECT_TEXT(FormatLineReference(-3), "line 3 (genetics extension file)");
}

TEST(RulesAndSymbols, CarryingAllelesBySex)
{
    CTestConfig xy(BasicGenesText(FALSE));
    CTestConfig zw(BasicGenesText(TRUE));
    const CGeneticsSection* x = xy.Section();
    const CGeneticsSection* z = zw.Section();
    // Gene 1 autosomal, 4 on the shared and 5 on the unshared sex chromosome.
    for (int sex = 0; sex < 2; sex++)
    {
        for (int side = 0; side < 2; side++)
        {
            EXPECT_TRUE(x->CanCarryAllele(1, sex, side));
            EXPECT_TRUE(z->CanCarryAllele(1, sex, side));
        }
    }
    EXPECT_TRUE(x->CanCarryAllele(4, SEX_FEMALE, 1));
    EXPECT_TRUE(x->CanCarryAllele(4, SEX_MALE, 0));
    EXPECT_FALSE(x->CanCarryAllele(4, SEX_MALE, 1));
    EXPECT_FALSE(x->CanCarryAllele(5, SEX_FEMALE, 0));
    EXPECT_TRUE(x->CanCarryAllele(5, SEX_MALE, 1));
    EXPECT_FALSE(x->CanCarryAllele(5, SEX_MALE, 0));
    EXPECT_FALSE(z->CanCarryAllele(4, SEX_FEMALE, 0));
    EXPECT_TRUE(z->CanCarryAllele(4, SEX_FEMALE, 1));
    EXPECT_TRUE(z->CanCarryAllele(5, SEX_FEMALE, 0));
    EXPECT_FALSE(z->CanCarryAllele(5, SEX_MALE, 0));
    EXPECT_FALSE(x->CanCarryAllele(99, SEX_MALE, 0));

    UINT gene = 0;
    EXPECT_TEXT(x->CheckAlleleForSex(999, SEX_MALE, 0, gene), "invalid allele");
    EXPECT_TEXT(x->CheckAlleleForSex(11, SEX_MALE, 0, gene), "allele name is the same as a polygenic range symbol");
    EXPECT_TEXT(x->CheckRangeSymbol(999, gene), "invalid range symbol");
    EXPECT_TEXT(x->CheckRangeSymbol(11, gene), "");
    EXPECT_EQ(gene, 6u);
}

namespace
{
class AssumedAlleles : public ::testing::Test
{
protected:
    AssumedAlleles()
        : m_config(BasicGenesText() + "B,B assumed\n"
                                      "D,d assumedifmale\n"
                                      "Height=7 assumediffemale\n"
                                      "always assumed\n"
                                      "[rules Coat]\n"
                                      "baseon Main\n"
                                      "E,E assumed\n"
                                      "B,b assumed\n")
    {
    }

    CString Completed(int sectionIndex, const char* text, int sex, CString* assumedText = NULL, int* count = NULL)
    {
        CGeneticsSection* section = m_config.Section(sectionIndex);
        CGenotype genotype = ParseGenotype(section, text, sex);
        CGenotype assumed;
        const int added = section->AddAssumedAlleles(genotype, sex, &assumed);
        if (assumedText)
            *assumedText = assumed.Format(section, 0);
        if (count)
            *count = added;
        return genotype.Format(section, 0);
    }

    CTestConfig m_config;
};
} // namespace

TEST_F(AssumedAlleles, CompletionBySex)
{
    CString assumed;
    int count = 0;
    EXPECT_TEXT(Completed(0, "b,b", SEX_FEMALE, &assumed, &count), "bb Height=7.0");
    EXPECT_TEXT(assumed, "Height=7.0");
    EXPECT_EQ(count, 1);
    EXPECT_TEXT(Completed(0, "e,e", SEX_MALE, &assumed, &count), "BB Dd ee");
    EXPECT_TEXT(assumed, "BB Dd");
    EXPECT_EQ(count, 2);
    EXPECT_TEXT(Completed(0, "e,e", SEX_EITHER), "BB ee");
}

TEST_F(AssumedAlleles, FirstRuleWinsThisSectionBeforeItsBase)
{
    // The rules section holds its base's rules first, so B,B comes before B,b.
    CString assumed;
    int count = 0;
    EXPECT_TEXT(Completed(1, "d,d", SEX_FEMALE, &assumed, &count), "BB dd EE Height=7.0");
    EXPECT_TEXT(assumed, "BB EE Height=7.0");
    EXPECT_EQ(count, 3);

    CAllelePair pair;
    EXPECT_TRUE(m_config.Section(1)->FindAssumedPair(pair, 1, SEX_EITHER));
    EXPECT_TEXT(pair.Format(m_config.Section(1), 0), "BB");
    EXPECT_FALSE(m_config.Section(1)->FindAssumedPair(pair, 2, SEX_EITHER));
    EXPECT_TRUE(m_config.Section(1)->FindAssumedPair(pair, 2, SEX_MALE));
    EXPECT_FALSE(m_config.Section(0)->FindAssumedPair(pair, 3, SEX_MALE));
}

TEST_F(AssumedAlleles, Removal)
{
    CGeneticsSection* section = m_config.Section(0);
    CGenotype genotype = ParseGenotype(section, "B,B D,D");
    CGenotype removed;
    EXPECT_EQ(section->RemoveAssumedAlleles(genotype, SEX_EITHER, &removed), 1);
    EXPECT_TEXT(genotype.Format(section, 0), "DD");
    EXPECT_TEXT(removed.Format(section, 0), "BB");

    CTestConfig heterozygous(BasicGenesText() + "B,b assumed\n");
    CGeneticsSection* other = heterozygous.Section();
    CGenotype reversed = ParseGenotype(other, "b,B");
    EXPECT_EQ(other->RemoveAssumedAlleles(reversed, SEX_EITHER), 0);
    EXPECT_EQ(reversed.GetCount(), 1);

    // With a gene filter only the listed genes count in the section itself.
    CGenotype both = ParseGenotype(section, "B,B D,d", SEX_MALE);
    CDWordArray filter;
    filter.Add(2);
    EXPECT_EQ(section->RemoveAssumedAlleles(both, SEX_MALE, NULL, &filter), 1);
    EXPECT_TEXT(both.Format(section, 0), "BB");
}

TEST_F(AssumedAlleles, BasesAreSearchedWithoutTheFilter)
{
    // The rules section's own copy of B,B is filtered out, but its base is
    // searched again without the filter.
    CGeneticsSection* coat = m_config.Section(1);
    CGenotype genotype = ParseGenotype(coat, "B,B E,E");
    CDWordArray filter;
    filter.Add(3);
    EXPECT_EQ(coat->RemoveAssumedAlleles(genotype, SEX_EITHER, NULL, &filter), 2);
    EXPECT_EQ(genotype.GetCount(), 0);
}
