#include <random>

#include "MatingOracle.h"
#include "PredictionTestSupport.h"
#include "foundation/containers/IndexedSort.h"
#include "genetics/ExpandTerms.h"
#include "genetics/GeneticsConfigLoad.h"

namespace
{
const char* const kConfig = "[genes Main]\n"
                            "gene B B, b\n"
                            "gene D D, d\n"
                            "gene E E, e\n"
                            "B,B D,D assumed\n"
                            "e,e goto Yellow\n"
                            "always goto Coat\n"
                            "[rules Coat]\nbaseon Main\n"
                            "B,- say Black\n"
                            "b,b say Brown\n"
                            "[rules Yellow]\nbaseon Main\n"
                            "always say Yellow\n";

class MatingResultTest : public ::testing::Test
{
protected:
    MatingResultTest() : m_config(kConfig)
    {
        EnsureDefaultTerms();
        RefreshSexLetterTexts();
        m_result.m_pGenesSection = Genes();
    }

    CGeneticsSection* Genes() const { return m_config.Section(0); }

    // An offspring with its texts deduced as the prediction does.
    CPredictedOffspring* Add(const char* genotype, double share, UINT sex)
    {
        CPredictedOffspring* offspring = new CPredictedOffspring;
        offspring->m_dProbability = share;
        offspring->m_nSex = sex;
        offspring->m_genotype = ParseGenotype(Genes(), genotype);
        offspring->m_pGenesSection = Genes();
        CString name;
        offspring->m_strPhenotype = Genes()->DeducePhenotype(offspring->m_genotype, 0, &name);
        offspring->m_strPhenotypeWithCarriedTraits = Genes()->DeducePhenotype(offspring->m_genotype, 1);
        offspring->m_strCarriedTraits = Genes()->DeducePhenotype(offspring->m_genotype, 2);
        offspring->m_strRulesSectionName = name;
        offspring->m_pRulesSection = m_config.m_config.FindSection(name);
        m_result.AddOffspring(offspring);
        return offspring;
    }

    // Collates the texts into two phenotype items: the first with its share,
    // and the second.
    void ExpectTwoPhenotypes(const char* first, double firstShare, const char* second)
    {
        m_result.CollateTexts();
        ASSERT_EQ(m_result.GetItemCount(RESULT_LIST_PHENOTYPES), 2);
        EXPECT_TEXT(m_result.GetItem(RESULT_LIST_PHENOTYPES, 0)->m_strText, first);
        EXPECT_DOUBLE_EQ(m_result.GetItem(RESULT_LIST_PHENOTYPES, 0)->m_dProbability, firstShare);
        EXPECT_TEXT(m_result.GetItem(RESULT_LIST_PHENOTYPES, 1)->m_strText, second);
    }

    CStringArray& ListLines(int list)
    {
        m_result.FormatList(list, m_lines);
        return m_lines;
    }

    CTestConfig m_config;
    CMatingResult m_result;
    CStringArray m_lines;
};
}  // namespace

TEST_F(MatingResultTest, EqualPhenotypesOfBothSexesBecomeOneItem)
{
    Add("BB EE", 0.25, SEX_FEMALE);
    Add("Bb EE", 0.5, SEX_MALE);
    Add("bb EE", 0.25, SEX_EITHER);
    ExpectTwoPhenotypes("Black", 0.75, "Brown");
}

TEST_F(MatingResultTest, AnItemTakesAtMostOneSexSuffixPartner)
{
    Add("BB EE", 0.2, SEX_EITHER);
    Add("BB DD EE", 0.3, SEX_FEMALE);
    Add("BB Dd EE", 0.5, SEX_MALE);
    ExpectTwoPhenotypes("Black", 0.5, "Black (M)");
}

TEST_F(MatingResultTest, FemaleAndMaleItemsMergeBeforeAPlainOne)
{
    Add("BB DD EE", 0.3, SEX_FEMALE);
    Add("BB Dd EE", 0.5, SEX_MALE);
    Add("BB EE", 0.2, SEX_EITHER);
    ExpectTwoPhenotypes("Black", 0.8, "Black");
}

TEST_F(MatingResultTest, NoCarriedTraitsIsWrittenAsNoneWithTheSexSuffix)
{
    Add("BB EE", 1.0, SEX_FEMALE);
    m_result.CollateTexts();
    ASSERT_EQ(m_result.GetItemCount(RESULT_LIST_CARRIED_TRAITS), 1);
    EXPECT_TEXT(m_result.GetItem(RESULT_LIST_CARRIED_TRAITS, 0)->m_strText, ExpandTerms("~None~") + FemaleLetterSuffix);
}

TEST_F(MatingResultTest, ListLinesPadThePercentageToSevenCharacters)
{
    Add("BB EE", 0.5, SEX_EITHER);
    Add("bb EE", 0.5, SEX_EITHER);
    m_result.CollateTexts();
    EXPECT_TEXT(ListLines(RESULT_LIST_PHENOTYPES)[0], "50.00%  Black");
    m_result.RemoveAll();
    Add("bb EE", 1.0, SEX_EITHER);
    m_result.CollateTexts();
    EXPECT_TEXT(ListLines(RESULT_LIST_PHENOTYPES)[0], "100.00% Brown");
}

TEST_F(MatingResultTest, SortingPutsTheGreatestShareFirstInEveryList)
{
    Add("bb EE", 0.25, SEX_EITHER);
    Add("Bb EE", 0.75, SEX_EITHER);
    m_result.CollateTexts();
    m_result.SortByShare();
    EXPECT_DOUBLE_EQ(m_result.GetOffspring(0)->m_dProbability, 0.75);
    EXPECT_TEXT(m_result.GetItem(RESULT_LIST_PHENOTYPES, 0)->m_strText, "Black");
}

namespace
{
// The plain sort of a list of offspring or items by share, greatest first,
// run by SortArray on the list itself.
template <class TYPE>
int CompareListShares(void* collection, int i, int j, long)
{
    const CObArray* list = (const CObArray*)collection;
    const double a = ((const TYPE*)list->GetAt(i))->m_dProbability;
    const double b = ((const TYPE*)list->GetAt(j))->m_dProbability;
    return a > b ? -1 : a < b ? 1 : 0;
}

void SwapListEntries(void* collection, int i, int j)
{
    CObArray* list = (CObArray*)collection;
    CObject* first = list->GetAt(i);
    list->SetAt(i, list->GetAt(j));
    list->SetAt(j, first);
}
}  // namespace

TEST_F(MatingResultTest, EqualSharesEndInTheOrderThatSortArrayLeaves)
{
    // Many equal shares: the sort is not stable, so their order is whatever
    // SortArray makes of the list, and SortByShare must make the same.
    static const double kShares[] = {0.125, 0.25, 0.125, 0.0625, 0.25, 0.125};
    for (int i = 0; i < 60; i++)
    {
        Add(i % 2 ? "Bb EE" : "bb EE", kShares[i % 6], SEX_EITHER);
        CString text;
        text.Format("item %d", i);
        m_result.AddItem(RESULT_LIST_CARRIED_TRAITS, new CMatingResultItem(kShares[(i * 5) % 6], text));
    }
    CObArray offspring;
    CObArray items;
    offspring.Append(m_result.m_offspring);
    items.Append(m_result.m_lists[RESULT_LIST_CARRIED_TRAITS]);
    SortArray(&offspring, (int)offspring.GetSize(), CompareListShares<CPredictedOffspring>, SwapListEntries, 0);
    SortArray(&items, (int)items.GetSize(), CompareListShares<CMatingResultItem>, SwapListEntries, 0);

    m_result.SortByShare();
    ASSERT_EQ(m_result.m_offspring.GetSize(), offspring.GetSize());
    for (int i = 0; i < offspring.GetSize(); i++)
        EXPECT_EQ(m_result.m_offspring.GetAt(i), offspring.GetAt(i)) << i;
    ASSERT_EQ(m_result.m_lists[RESULT_LIST_CARRIED_TRAITS].GetSize(), items.GetSize());
    for (int i = 0; i < items.GetSize(); i++)
        EXPECT_TEXT(m_result.GetItem(RESULT_LIST_CARRIED_TRAITS, i)->m_strText,
                    (LPCTSTR)((CMatingResultItem*)items.GetAt(i))->m_strText);
    EXPECT_DOUBLE_EQ(m_result.GetOffspring(0)->m_dProbability, 0.25);
    EXPECT_DOUBLE_EQ(m_result.GetOffspring(59)->m_dProbability, 0.0625);
}

TEST_F(MatingResultTest, DescriptionsLeaveOutCommonAssumedPairs)
{
    CPredictedOffspring* empty = new CPredictedOffspring;
    empty->m_pGenesSection = Genes();
    CDWordArray none;
    EXPECT_TEXT(empty->Describe(none), ExpandTerms("~Unknown~ ~genotype~"));
    delete empty;

    CPredictedOffspring* assumedOnly = Add("BB DD EE", 0.5, SEX_EITHER);
    CPredictedOffspring* other = Add("BB Dd EE", 0.5, SEX_EITHER);
    CDWordArray common;
    FindCommonGenes(m_result, common);
    ASSERT_EQ(common.GetSize(), 2);  // B and E
    // B,B is a common assumed pair; D,D is assumed but not common; E,E is common but not assumed.
    EXPECT_TEXT(assumedOnly->Describe(common), "DD EE");
    EXPECT_TEXT(other->Describe(common), "Dd EE");
    CDWordArray everyGene;
    everyGene.Add(1);
    everyGene.Add(2);
    EXPECT_TEXT(assumedOnly->Describe(everyGene), "EE");

    m_result.RemoveAll();
    CPredictedOffspring* single = Add("BB DD", 1.0, SEX_EITHER);
    FindCommonGenes(m_result, common);
    EXPECT_TEXT(single->Describe(common), ExpandTerms("[~Default~]"));
}

TEST_F(MatingResultTest, GenotypeLinesMergeEqualTextsAndNameTheirRulesSections)
{
    Add("BB Dd EE", 0.25, SEX_FEMALE);
    Add("BB Dd EE", 0.25, SEX_MALE);  // (stands for an offspring whose line is the same)
    Add("Bb DD ee", 0.3, SEX_EITHER);
    Add("bb DD ee", 0.2, SEX_EITHER);
    m_result.m_bRulesSectionsDiffer = 1;
    CStringArray lines;
    m_result.Collate(lines);
    ASSERT_EQ(lines.GetSize(), 3);
    // No gene is common, so nothing is left out; two rules sections, so each is named.
    EXPECT_TEXT(lines[0], "50.00%  BB Dd EE - Black (Coat) [Coat]");
    EXPECT_TEXT(lines[1], "30.00%  Bb DD ee - Yellow (Yellow) [Yellow]");
    EXPECT_TEXT(lines[2], "20.00%  bb DD ee - Yellow (Yellow) [Yellow]");
}

TEST_F(MatingResultTest, GenotypeLinesCarryTheSexSuffix)
{
    Add("BB Dd EE", 0.5, SEX_FEMALE);
    Add("BB DD EE", 0.5, SEX_MALE);
    CStringArray lines;
    m_result.Collate(lines);
    ASSERT_EQ(lines.GetSize(), 2);
    // B,B is common and assumed; E,E is common but not assumed.
    EXPECT_TEXT(lines[0], "50.00%  Dd EE - Black (Coat)" + FemaleLetterSuffix);
    EXPECT_TEXT(lines[1], "50.00%  DD EE - Black (Coat)" + MaleLetterSuffix);
}

// The hashed collation against the plain quadratic one, on many offspring
// whose texts repeat in random patterns.
TEST_F(MatingResultTest, HashedCollationMatchesThePlainOne)
{
    const char* const genotypes[] = {"BB EE", "Bb EE", "bb EE", "BB ee", "bb ee", "BB Dd EE", "Bb dd EE", "bb Dd ee"};
    std::mt19937 random(77);
    for (int round = 0; round < 20; round++)
    {
        CMatingResult plain;
        plain.m_pGenesSection = Genes();
        m_result.RemoveAll();
        m_result.m_pGenesSection = Genes();
        const int count = 1 + (int)(random() % 60);
        for (int i = 0; i < count; i++)
        {
            const char* genotype = genotypes[random() % 8];
            const UINT sex = (UINT)(random() % 3);
            const double share = (double)(1 + random() % 16) / 64.0;
            Add(genotype, share, sex);
            CPredictedOffspring* copy = new CPredictedOffspring;
            const CPredictedOffspring* original = m_result.GetOffspring(i);
            copy->m_dProbability = share;
            copy->m_nSex = sex;
            copy->m_genotype = original->m_genotype;
            copy->m_pGenesSection = Genes();
            copy->m_pRulesSection = original->m_pRulesSection;
            copy->m_strRulesSectionName = original->m_strRulesSectionName;
            copy->m_strPhenotype = original->m_strPhenotype;
            copy->m_strPhenotypeWithCarriedTraits = original->m_strPhenotypeWithCarriedTraits;
            copy->m_strCarriedTraits = original->m_strCarriedTraits;
            plain.AddOffspring(copy);
        }
        m_result.CollateTexts();
        OracleCollateTexts(plain);
        ExpectSameResults(m_result, plain);
    }
}

// The report's lists as the report shows them, written out in full:
// the genotype lines under their count, then each list under its count with
// a blank before every line; rules sections and sexes named.
TEST_F(MatingResultTest, ReportListsHoldTheLinesOfCollateAndOfEveryList)
{
    Add("BB Dd EE", 0.25, SEX_FEMALE);
    Add("BB Dd EE", 0.25, SEX_MALE);
    Add("Bb DD ee", 0.3, SEX_EITHER);
    Add("bb DD ee", 0.2, SEX_MALE);
    m_result.m_bRulesSectionsDiffer = 1;
    m_result.CollateTexts();
    const char* const expected = "Parents\n"
                                 "3 potential genotypes:\n"
                                 "50.00%  BB Dd EE - Black (Coat) [Coat]\n"
                                 "30.00%  Bb DD ee - Yellow (Yellow) [Yellow]\n"
                                 "20.00%  bb DD ee - Yellow (Yellow) [Yellow] (M)\n"
                                 "\n"
                                 "2 potential phenotypes:\n"
                                 " 50.00%  Black\n"
                                 " 50.00%  Yellow\n"
                                 "\n"
                                 "2 potential phenotypes with carried traits:\n"
                                 " 50.00%  Black\n"
                                 " 50.00%  Yellow\n"
                                 "\n"
                                 "2 potential carried traits:\n"
                                 " 70.00%  None\n"
                                 " 30.00%  None\n";
    CString report = "Parents\n";
    EXPECT_TEXT(m_result.WriteReport(report), "");
    EXPECT_TEXT(report, expected);
}
