#include "GeneticsTestSupport.h"

#include "genetics/GametePattern.h"

namespace
{
const COwningObArray& Table(const CGeneticsSection* section, int table, int sex = SEX_FEMALE)
{
    const COwningObArray& tables = sex == SEX_FEMALE ? section->m_femaleTables : section->m_maleTables;
    return *(const COwningObArray*)tables.GetAt(table);
}

const CGametePattern& Pattern(const CGeneticsSection* section, int table, int pattern, int sex = SEX_FEMALE)
{
    return *(const CGametePattern*)Table(section, table, sex).GetAt(pattern);
}

// The signed gene entries of a pattern, written with the gene names.
CString Entries(const CGeneticsSection* section, const CGametePattern& pattern)
{
    CString text;
    for (int j = 0; j < pattern.GetGeneCount(); j++)
    {
        const int entry = pattern.GetEntry(j);
        text += (j > 0 ? " " : "") + CString(entry < 0 ? "-" : "+") + section->GetGeneName(abs(entry));
    }
    return text;
}

CString LoadError(const char* text)
{
    CGeneticsConfig config;
    return ReadConfigText(config, text);
}
}  // namespace

TEST(LinkageTables, ChainOfThreeGivesFourPatternsInCrossoverOrder)
{
    CTestConfig config("[genes Main]\n"
                       "gene A A1, A2\n"
                       "gene B B1, B2\n"
                       "gene C C1, C2\n"
                       "link A B 10\n"
                       "link B C 20\n");
    ASSERT_EQ(config.m_config.GetSectionCount(), 1);
    const CGeneticsSection* genes = config.Section(0);
    ASSERT_EQ(genes->m_femaleTables.GetSize(), 3);
    ASSERT_EQ(Table(genes, 2).GetSize(), 4);
    const char* const entries[] = {"+A +B +C", "+A -B -C", "+A +B -C", "+A -B +C"};
    const double shares[] = {0.72, 0.08, 0.18, 0.02};
    for (int k = 0; k < 4; k++)
    {
        EXPECT_TEXT(Entries(genes, Pattern(genes, 2, k)), entries[k]);
        EXPECT_NEAR(Pattern(genes, 2, k).m_dProbability, shares[k], 1e-12);
        EXPECT_NEAR(Pattern(genes, 2, k, SEX_MALE).m_dProbability, shares[k], 1e-12);
    }
}

TEST(LinkageTables, TablesAreNumberedSexChromosomesFirstThenAutosomalChains)
{
    CTestConfig config("[genes Main]\n"
                       "gene A A1, A2\n"
                       "gene B B1, B2\n"
                       "gene C C1, C2\n"
                       "gene X x1, x2\n"
                       "gene Y y1, y2\n"
                       "polygene Size places=1\n"
                       "link A B 5\n"
                       "X-link X\n"
                       "Y-link Y\n");
    ASSERT_EQ(config.m_config.GetSectionCount(), 1);
    const CGeneticsSection* genes = config.Section(0);
    ASSERT_EQ(genes->m_femaleTables.GetSize(), 4);
    ASSERT_EQ(genes->m_maleTables.GetSize(), 4);
    EXPECT_TEXT(Entries(genes, Pattern(genes, 0, 0)), "+X");
    EXPECT_TEXT(Entries(genes, Pattern(genes, 1, 0)), "+Y");
    EXPECT_TEXT(Entries(genes, Pattern(genes, 2, 0)), "+A +B");
    // A gene linked to nothing has a table of its own with one certain pattern.
    ASSERT_EQ(Table(genes, 3).GetSize(), 1);
    EXPECT_TEXT(Entries(genes, Pattern(genes, 3, 0)), "+C");
    EXPECT_DOUBLE_EQ(Pattern(genes, 3, 0).m_dProbability, 1.0);
}

TEST(LinkageTables, WithoutSexLinkedGenesBothSexTablesHoldOneEmptyPattern)
{
    CTestConfig config("[genes Main]\ngene A A1, A2\n");
    ASSERT_EQ(config.m_config.GetSectionCount(), 1);
    const CGeneticsSection* genes = config.Section(0);
    for (int table = 0; table < 2; table++)
    {
        ASSERT_EQ(Table(genes, table).GetSize(), 1);
        EXPECT_EQ(Pattern(genes, table, 0).GetGeneCount(), 0);
        EXPECT_DOUBLE_EQ(Pattern(genes, table, 0).m_dProbability, 1.0);
    }
}

TEST(LinkageTables, UnlinkedGenesOfOneSexChromosomeTravelTogether)
{
    CTestConfig config("[genes Main]\n"
                       "gene P p1, p2\n"
                       "gene Q q1, q2\n"
                       "X-link P Q\n");
    ASSERT_EQ(config.m_config.GetSectionCount(), 1);
    const CGeneticsSection* genes = config.Section(0);
    // No crossover is possible between them: one pattern, not one per arrangement.
    ASSERT_EQ(Table(genes, 0).GetSize(), 1);
    EXPECT_TEXT(Entries(genes, Pattern(genes, 0, 0)), "+P +Q");
    EXPECT_DOUBLE_EQ(Pattern(genes, 0, 0).m_dProbability, 1.0);
}

TEST(LinkageTables, SexSpecificRatesAndCertainCrossover)
{
    CTestConfig config("[genes Main]\n"
                       "gene A A1, A2\n"
                       "gene B B1, B2\n"
                       "gene C C1, C2\n"
                       "link A B 10 30\n"
                       "link B C 100\n");
    ASSERT_EQ(config.m_config.GetSectionCount(), 1);
    const CGeneticsSection* genes = config.Section(0);
    ASSERT_EQ(Table(genes, 2).GetSize(), 4);
    EXPECT_NEAR(Pattern(genes, 2, 1).m_dProbability, 0.0, 1e-12);            // +A -B -C: 0.1 x 0
    EXPECT_NEAR(Pattern(genes, 2, 2).m_dProbability, 0.9, 1e-12);            // +A +B -C: 0.9 x 1
    EXPECT_NEAR(Pattern(genes, 2, 3, SEX_MALE).m_dProbability, 0.3, 1e-12);  // +A -B +C: 0.3 x 1
    EXPECT_NEAR(Pattern(genes, 2, 0, SEX_MALE).m_dProbability, 0.0, 1e-12);  // no crossover at B-C
}

TEST(LinkageTables, ProbabilitiesOutsideZeroToOneAreClamped)
{
    CTestConfig config("[genes Main]\ngene A A1, A2\n");
    ASSERT_EQ(config.m_config.GetSectionCount(), 1);
    CGeneticsSection* genes = config.Section(0);
    CDWordArray chain;
    chain.Add(1);
    chain.Add(1);
    chain.Add(1);
    CArray<double, double> female;
    female.Add(1.5);
    female.Add(-0.2);
    CArray<double, double> male;
    male.Add(0.25);
    male.Add(0.5);
    const int table = (int)genes->m_femaleTables.GetSize();
    genes->AddLinkageTable(chain, 2, female, male);
    ASSERT_EQ(Table(genes, table).GetSize(), 4);
    EXPECT_DOUBLE_EQ(Pattern(genes, table, 0).m_dProbability, 0.0);  // 1.5 counts as 1
    EXPECT_DOUBLE_EQ(Pattern(genes, table, 1).m_dProbability, 1.0);  // -0.2 counts as 0
    EXPECT_DOUBLE_EQ(Pattern(genes, table, 3).m_dProbability, 0.0);
    EXPECT_DOUBLE_EQ(Pattern(genes, table, 3, SEX_MALE).m_dProbability, 0.125);
}

TEST(LinkageTables, LinksThatAreNoSimpleChainsAreErrors)
{
    EXPECT_TEXT(LoadError("[genes Main]\ngene A A1, A2\ngene B B1, B2\nlink A B 10\nlink B A 10\n"),
                "gene linkage error");
    EXPECT_TEXT(LoadError("[genes Main]\ngene A A1, A2\ngene B B1, B2\ngene C C1, C2\n"
                          "link A C 10\nlink B C 10\n"),
                "gene linkage error");
    EXPECT_TEXT(LoadError("[genes Main]\ngene A A1, A2\ngene B B1, B2\ngene C C1, C2\n"
                          "link A C 10\nlink B C 10\nY-link A B C\n"),
                "error in unshared sex gene linkage(2)");
}

TEST(LinkageTables, RingOnTheSharedSexChromosomeIsAnError)
{
    // Without a head the ring's genes would silently drop out of every prediction.
    EXPECT_TEXT(LoadError("[genes Main]\ngene A A1, A2\ngene B B1, B2\nlink A B 10\nlink B A 10\nX-link A B\n"),
                "error in shared sex gene linkage");
}
