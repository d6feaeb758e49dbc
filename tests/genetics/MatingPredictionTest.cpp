// Mating prediction against shares worked out by hand, each also checked
// against the step-by-step oracle.
#include "PredictionTestSupport.h"

#include <math.h>
#include <vector>

#include "genetics/GeneticsConfigLoad.h"

namespace
{
const char* const kAutosomal =
    "[genes Main]\n"
    "gene B B, b\n"
    "gene D D, d\n"
    "gene E E, e\n"
    "gene H H, h\n"
    "H,H lethal\n"
    "always goto Coat\n"
    "[rules Coat]\n"
    "baseon Main\n"
    "B,- say Black\n"
    "b,b say Brown\n"
    "B,b carries brown\n";

struct Mating
{
    CMatingResult result;
    Mating(CGeneticsSection* genes, const CGenotype& mother, const CGenotype& father)
    {
        EnsureDefaultTerms();
        RefreshSexLetterTexts();
        EXPECT_TEXT(genes->PredictMating(result, mother, father), "");
        ExpectPredictionsAgree(genes, mother, father);
    }
};

const int AnySex = -1;

// An offspring genotype (formatted with FORMAT_SHOW_NONE), its share, and
// its sex when that is checked. A share below 0: no such offspring.
struct ExpectedOffspring
{
    const char* genotype;
    double share;
    int sex = AnySex;
};

// A mating of the configuration's first section, its offspring worked out
// by hand. Count -1: the number of offspring is not checked. Tolerance 0:
// the shares are exact.
struct OffspringCase
{
    const char* name;
    const char* config;
    const char* mother;
    const char* father;
    int count;
    double tolerance;
    std::vector<ExpectedOffspring> offspring;
};

const char* const kXYLinked = "[genes Main]\n"
                              "gene A a1, a2\n"
                              "gene Y y1, y2\n"
                              "X-link A\n"
                              "Y-link Y\n";
const char* const kZWLinked = "[genes Main]\n"
                              "sexsystem zw\n"
                              "gene Z z1, z2\n"
                              "gene W w1, w2\n"
                              "X-link Z\n"
                              "Y-link W\n";
// Crossover at 50 percent between two genes of the shared sex chromosome.
const char* const kXLinkedAt50 = "[genes Main]\n"
                                 "gene A x1, x2\n"
                                 "gene B y1, y2\n"
                                 "X-link A B\n"
                                 "link A B 50\n";
const char* const kZLinkedAt50 = "[genes Main]\n"
                                 "sexsystem zw\n"
                                 "gene A z1, z2\n"
                                 "gene B v1, v2\n"
                                 "X-link A B\n"
                                 "link A B 50\n";
const char* const kLinkedAt10 = "[genes Main]\ngene A A1, A2\ngene B B1, B2\nlink A B 10\n";
const char* const kLinkedAt10And30 = "[genes Main]\ngene A A1, A2\ngene B B1, B2\nlink A B 10 30\n";
const char* const kLinkedAt0 = "[genes Main]\ngene A A1, A2\ngene B B1, B2\nlink A B 0\n";

const OffspringCase kOffspringCases[] = {
    {"HeterozygousMotherAndHomozygousFatherGiveHalvesOfEitherSex", kAutosomal, "Bb", "bb", 2, 0,
     {{"Bb", 0.5, SEX_EITHER}, {"bb", 0.5, SEX_EITHER}}},
    {"HomozygousParentsGiveOneFixedOffspringAmongSegregatingGenes", kAutosomal, "BB Dd", "BB dd", 2, 0,
     {{"BB Dd", 0.5}, {"BB dd", 0.5}}},
    {"LethalOffspringAreRemovedAndTheOthersScaledUp", kAutosomal, "Hh", "Hh", 2, 1e-12,
     {{"Hh", 2.0 / 3.0}, {"hh", 1.0 / 3.0}, {"HH", -1}}},
    // Daughters: their pairs in ascending order, no Y allele. Sons: the
    // mother's allele and no paternal one for A, the father's Y.
    {"SharedSexChromosomeInXyGivesDaughtersAndSons", kXYLinked, "a2,a1", "a1 y2", 4, 0,
     {{"a1a1", 0.25, SEX_FEMALE}, {"a1a2", 0.25}, {"a1! !y2", 0.25}, {"a2! !y2", 0.25, SEX_MALE}}},
    // The female is heterogametic: her Z allele is paternal, her W allele
    // maternal. Daughters get the mother's W and one of the father's Z
    // alleles; sons get the mother's Z and one of the father's, put in order.
    {"SexChromosomesInZwAreInheritedTheOtherWayRound", kZWLinked, "w1,! !,z2", "z1,z2", 4, 0,
     {{"!z1 w1!", 0.25, SEX_FEMALE}, {"!z2 w1!", 0.25}, {"z1z2", 0.25}, {"z2z2", 0.25, SEX_MALE}}},
    // A father has one X, which his daughters get whole, however his table
    // of patterns reads.
    {"HeterogameticFatherPassesHisLinkedSexChromosomeWhole", kXLinkedAt50, "x1x1 y1y1", "x2 y2", 2, 0,
     {{"x1x2 y1y2", 0.5}, {"x1! y1!", 0.5}}},
    // In "zw" the mother is heterogametic: her sons get her Z whole (z1 with
    // v2), put into order as one chain with the father's z2 v1.
    {"HeterogameticMotherPassesHerLinkedSexChromosomeWhole", kZLinkedAt50, "!,z1 !,v2", "z2z2 v1v1", 2, 0,
     {{"z1z2 v2v1", 0.5, SEX_MALE}, {"!z2 !v1", 0.5}}},
    {"LinkedGenesInCouplingKeepTheParentalCombinations", kLinkedAt10, "A1,A2 B1,B2", "A1A1 B1B1", 4, 1e-12,
     {{"A1A1 B1B1", 0.45}, {"A1A2 B1B2", 0.45}, {"A1A1 B1B2", 0.05}, {"A1A2 B1B1", 0.05}}},
    // Repulsion in the mother (A1 with B2 on her maternal chromosome): 10
    // percent crossover.
    {"LinkedGenesInRepulsionCrossOverAtTheMothersRate", kLinkedAt10And30, "A1,A2 B2,B1", "A1A1 B1B1", -1, 1e-12,
     {{"A1A1 B1B2", 0.45}, {"A1A2 B1B1", 0.45}, {"A1A1 B1B1", 0.05}}},
    // Coupling in the father: his crossover rate is 30 percent.
    {"LinkedGenesInCouplingCrossOverAtTheFathersRate", kLinkedAt10And30, "A1A1 B1B1", "A1,A2 B1,B2", -1, 1e-12,
     {{"A1A2 B1B2", 0.35}, {"A1A1 B1B2", 0.15}}},
    // Without chain-wise ordering A1A2 B1B2 and A2A1 B2B1 would be two lines of 0.25.
    {"LinkedChainIsListedOnceWhateverItsAlleleOrder", kLinkedAt0, "A1,A2 B1,B2", "A1,A2 B1,B2", 3, 0,
     {{"A1A2 B1B2", 0.5}, {"A1A1 B1B1", 0.25}, {"A2A2 B2B2", 0.25}}},
    // Both parents carry A1 with B2 and A2 with B1: the double heterozygote
    // A1B2/A2B1 keeps its phase and is not the coupling one A1B1/A2B2.
    {"RepulsionChainKeepsItsPhaseInCanonicalOrder", kLinkedAt0, "A1,A2 B2,B1", "A1,A2 B2,B1", 3, 0,
     {{"A1A2 B2B1", 0.5}, {"A1A1 B2B2", 0.25}, {"A2A2 B1B1", 0.25}}},
};

std::ostream& operator<<(std::ostream& out, const OffspringCase& c)
{
    return out << c.name;
}

class OffspringTest : public ::testing::TestWithParam<OffspringCase>
{
};
}  // namespace

TEST_P(OffspringTest, GivesTheHandWorkedShares)
{
    const OffspringCase& c = GetParam();
    CTestConfig config(c.config);
    CGeneticsSection* genes = config.Section(0);
    Mating mating(genes, ParseGenotype(genes, c.mother, SEX_FEMALE), ParseGenotype(genes, c.father, SEX_MALE));
    if (c.count >= 0)
    {
        ASSERT_EQ(mating.result.GetOffspringCount(), c.count) << DescribeOffspring(mating.result);
    }
    for (const ExpectedOffspring& child : c.offspring)
    {
        SCOPED_TRACE(child.genotype);
        const double share = OffspringShare(mating.result, child.genotype);
        if (child.share < 0)
        {
            EXPECT_LT(share, 0.0);
        }
        else if (c.tolerance == 0)
        {
            EXPECT_DOUBLE_EQ(share, child.share);
        }
        else
        {
            EXPECT_NEAR(share, child.share, c.tolerance);
        }
        if (child.sex != AnySex)
        {
            ASSERT_NE(FindPredicted(mating.result, child.genotype), nullptr);
            EXPECT_EQ(FindPredicted(mating.result, child.genotype)->m_nSex, (UINT)child.sex);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(MatingPrediction, OffspringTest, ::testing::ValuesIn(kOffspringCases),
                         [](const ::testing::TestParamInfo<OffspringCase>& info) { return info.param.name; });

TEST(MatingPrediction, BothHeterozygousGiveOneQuarterOneHalfOneQuarter)
{
    CTestConfig config(kAutosomal);
    CGeneticsSection* genes = config.Section(0);
    Mating mating(genes, ParseGenotype(genes, "Bb", SEX_FEMALE), ParseGenotype(genes, "Bb", SEX_MALE));
    ASSERT_EQ(mating.result.GetOffspringCount(), 3) << DescribeOffspring(mating.result);
    EXPECT_DOUBLE_EQ(OffspringShare(mating.result, "BB"), 0.25);
    EXPECT_DOUBLE_EQ(OffspringShare(mating.result, "Bb"), 0.5);
    EXPECT_DOUBLE_EQ(OffspringShare(mating.result, "bb"), 0.25);
    // The heterozygote comes first: greatest share first.
    EXPECT_TEXT(mating.result.GetOffspring(0)->m_genotype.Format(genes, 0), "Bb");
    EXPECT_DOUBLE_EQ(ItemShare(mating.result, RESULT_LIST_PHENOTYPES, "Black"), 0.75);
    EXPECT_DOUBLE_EQ(ItemShare(mating.result, RESULT_LIST_PHENOTYPES, "Brown"), 0.25);
}

TEST(MatingPrediction, ParentsWithoutGenesGiveOneDefaultOffspring)
{
    CTestConfig config(kAutosomal);
    CGeneticsSection* genes = config.Section(0);
    Mating mating(genes, CGenotype(), CGenotype());
    ASSERT_EQ(mating.result.GetOffspringCount(), 1);
    EXPECT_DOUBLE_EQ(mating.result.GetOffspring(0)->m_dProbability, 1.0);
    EXPECT_EQ(mating.result.GetOffspring(0)->m_genotype.GetCount(), 0);
    EXPECT_EQ(mating.result.GetOffspring(0)->m_nSex, (UINT)SEX_EITHER);
}

TEST(MatingPrediction, OnlyLethalOffspringLeaveAnEmptyResult)
{
    CTestConfig config(kAutosomal);
    CGeneticsSection* genes = config.Section(0);
    Mating mating(genes, ParseGenotype(genes, "HH", SEX_FEMALE), ParseGenotype(genes, "HH", SEX_MALE));
    EXPECT_EQ(mating.result.GetOffspringCount(), 0);
    for (int list = 0; list < RESULT_LIST_COUNT; list++)
        EXPECT_EQ(mating.result.GetItemCount(list), 0);
}

TEST(MatingPrediction, XLinkedCarrierMotherHasHalfHerSonsAffected)
{
    CTestConfig config("[genes Main]\n"
                       "gene HemA XH, Xh\n"
                       "X-link HemA\n"
                       "always goto R\n"
                       "[rules R]\n"
                       "baseon Main\n"
                       "Xh,Xh or Xh,! say Affected\n"
                       "XH,Xh carries hemophilia\n");
    CGeneticsSection* genes = config.Section(0);
    Mating mating(genes, ParseGenotype(genes, "XHXh", SEX_FEMALE), ParseGenotype(genes, "XH", SEX_MALE));
    const CMatingResult& result = mating.result;
    EXPECT_DOUBLE_EQ(OffspringShare(result, "XH!"), 0.25);
    EXPECT_DOUBLE_EQ(OffspringShare(result, "Xh!"), 0.25);
    EXPECT_DOUBLE_EQ(OffspringShare(result, "XHXh"), 0.25);
    EXPECT_DOUBLE_EQ(OffspringShare(result, "XHXH"), 0.25);
    EXPECT_DOUBLE_EQ(ItemShare(result, RESULT_LIST_PHENOTYPES, "Affected (M)"), 0.25);
    EXPECT_DOUBLE_EQ(ItemShare(result, RESULT_LIST_CARRIED_TRAITS, "hemophilia (F)"), 0.25);
}

TEST(MatingPrediction, NegligibleSharesAreCutAfterEqualGenotypesAreMerged)
{
    CTestConfig config("[genes Main]\n"
                       "gene A A1, A2\n"
                       "gene B B1, B2\n"
                       "gene E E, e\n"
                       "link A B 0.00004\n");
    CGeneticsSection* genes = config.Section(0);
    Mating mating(genes, ParseGenotype(genes, "A1,A2 B1,B2 Ee", SEX_FEMALE),
                  ParseGenotype(genes, "A1A1 B1B1 Ee", SEX_MALE));
    // The recombinant A1A1 B1B2 Ee has 4e-7 / 2 x 1/2 = 1e-7 in all, but each
    // of its four ordered, per-sex leaf genotypes only 2.5e-8.
    EXPECT_NEAR(OffspringShare(mating.result, "A1A1 B1B2 Ee"), 1e-7, 1e-13);
    // Double recombinants of both parents would be far below the cut-off.
    Mating both(genes, ParseGenotype(genes, "A1,A2 B1,B2", SEX_FEMALE), ParseGenotype(genes, "A1,A2 B1,B2", SEX_MALE));
    EXPECT_LT(OffspringShare(both.result, "A1A1 B2B2"), 0.0);
    EXPECT_GT(OffspringShare(both.result, "A1A1 B1B2"), 0.0);
    EXPECT_NEAR(TotalShare(both.result), 1.0, 1e-12);
}

TEST(MatingPrediction, ShareOfExactlyTheCutOffIsRemovedAndOneAboveStays)
{
    // The daughter with the mother's recombinant X chromosome x1 y2 and the
    // father's c2 has p / 4 x 1 / 2: 5e-8 for p = 4e-7, 6.25e-8 for p = 5e-7.
    const char* const config = "[genes Main]\n"
                               "gene A x1, x2\n"
                               "gene B y1, y2\n"
                               "gene C c1, c2\n"
                               "X-link A B\n"
                               "link A B %s\n";
    CString exact;
    exact.Format(config, "0.00004");
    CTestConfig atCutOff(exact);
    CGeneticsSection* genes = atCutOff.Section(0);
    Mating removed(genes, ParseGenotype(genes, "x1,x2 y1,y2 c1c1", SEX_FEMALE),
                   ParseGenotype(genes, "x1 y1 c1c2", SEX_MALE));
    EXPECT_LT(OffspringShare(removed.result, "x1x1 y1y2 c1c2"), 0.0) << DescribeOffspring(removed.result);
    EXPECT_GT(OffspringShare(removed.result, "x1x2 y1y2 c1c2"), 0.0);

    CString above;
    above.Format(config, "0.00005");
    CTestConfig aboveCutOff(above);
    genes = aboveCutOff.Section(0);
    Mating kept(genes, ParseGenotype(genes, "x1,x2 y1,y2 c1c1", SEX_FEMALE),
                ParseGenotype(genes, "x1 y1 c1c2", SEX_MALE));
    EXPECT_NEAR(OffspringShare(kept.result, "x1x1 y1y2 c1c2"), 6.25e-8, 1e-18);
}

TEST(MatingPrediction, PolygenesTakeTheParentsMeanWhenBothGiveOne)
{
    CTestConfig config("[genes Main]\n"
                       "gene B B, b\n"
                       "polygene Height places=1 ranges=0,Short,10,Tall,20\n"
                       "polygene Weight places=0\n");
    CGeneticsSection* genes = config.Section(0);
    const CGenotype mother = ParseGenotype(genes, "Bb Height=10-12 Weight=30", SEX_FEMALE, PARSE_ALLOW_RANGES);
    const CGenotype father = ParseGenotype(genes, "bb Height=15", SEX_MALE);
    Mating mating(genes, mother, father);
    ASSERT_EQ(mating.result.GetOffspringCount(), 2);
    for (int i = 0; i < 2; i++)
    {
        const CGenotype& polygenes = mating.result.GetOffspring(i)->m_polygenes;
        ASSERT_EQ(polygenes.GetCount(), 1);
        EXPECT_EQ(polygenes.GetPairs()[0].m_nGene, genes->FindGene("Height"));
        EXPECT_DOUBLE_EQ(polygenes.GetPairs()[0].m_dValue, 13.0);
        EXPECT_EQ(polygenes.GetPairs()[0].m_nFlags, (1u << 4) | 0x3u);
    }
}

TEST(MatingPrediction, TooManyDistinctOffspringGiveAnErrorInsteadOfAList)
{
    // 11 genes heterozygous in both parents: 3^11 = 177147 distinct genotypes.
    // 30 genes: no child reaches 5e-8, so the cut-off would leave an empty
    // list for a perfectly valid mating.
    for (int count : {11, 30})
    {
        CString parent;
        CTestConfig config(ManyHeterozygousGenes(count, parent));
        CGeneticsSection* genes = config.Section(0);
        CMatingResult result;
        const CString error = genes->PredictMating(result, ParseGenotype(genes, parent, SEX_FEMALE),
                                                   ParseGenotype(genes, parent, SEX_MALE));
        EXPECT_TEXT(error, "the mating has more than 100000 potential genotypes, too many to list") << count;
        EXPECT_EQ(result.GetOffspringCount(), 0) << count;
    }
}

TEST(MatingPrediction, SixteenXLinkedGenesWithoutCrossoverGiveFourChildren)
{
    // X-linked genes without a "link" line travel together: the mother's two
    // X chromosomes pass whole.
    CString mother;
    CString text = ManyHeterozygousGenes(16, mother) + "X-link";
    CString father;
    for (int i = 0; i < 16; i++)
    {
        CString gene;
        gene.Format(" G%d", i);
        text += gene;
        gene.Format("P%d ", i);
        father += gene;
    }
    CTestConfig config(text + "\n");
    CGeneticsSection* genes = config.Section(0);
    CMatingResult result;
    const CString error = genes->PredictMating(result, ParseGenotype(genes, mother, SEX_FEMALE),
                                               ParseGenotype(genes, father, SEX_MALE));
    EXPECT_TEXT(error, "");
    ASSERT_EQ(result.GetOffspringCount(), 4) << DescribeOffspring(result);
    for (int i = 0; i < 4; i++)
        EXPECT_NEAR(result.GetOffspring(i)->m_dProbability, 0.25, 1e-12);
}

TEST(MatingPrediction, ShareOfAChainOutcomeCountsBothOrdersBeforeTheCutOff)
{
    // Crossover 2e-7: the recombinant A1A1 B1B2 comes from the mother's
    // recombinant gamete with the father's parental one, (1 - p) p / 4 just
    // below 5e-8, and the other way round, the same again; only the two
    // together pass the cut-off.
    CTestConfig config("[genes Main]\n"
                       "gene A A1, A2\n"
                       "gene B B1, B2\n"
                       "link A B 0.00002\n");
    CGeneticsSection* genes = config.Section(0);
    Mating mating(genes, ParseGenotype(genes, "A1,A2 B1,B2", SEX_FEMALE), ParseGenotype(genes, "A1,A2 B1,B2", SEX_MALE));
    const double p = 2e-7;
    EXPECT_NEAR(OffspringShare(mating.result, "A1A1 B1B2"), (1 - p) * p / 2, 1e-15) << DescribeOffspring(mating.result);
    EXPECT_NEAR(OffspringShare(mating.result, "A1A1 B1B1"), (1 - p) * (1 - p) / 4, 1e-12);
    // Both parents recombinant: far below the cut-off.
    EXPECT_LT(OffspringShare(mating.result, "A1A1 B2B2"), 0.0);
}

TEST(MatingPrediction, RareRecombinantsOfAChainAgreeWithTheOracle)
{
    // Five linked genes at 0.1 percent: recombinant gametes of two or more
    // crossovers give only negligible children.
    CTestConfig config("[genes Main]\n"
                       "gene A A1, A2\ngene B B1, B2\ngene C C1, C2\ngene D D1, D2\ngene E E1, E2\n"
                       "gene F F1, F2\n"
                       "link A B 0.1\nlink B C 0.1\nlink C D 0.1 0.2\nlink D E 0.1\n");
    CGeneticsSection* genes = config.Section(0);
    Mating mating(genes, ParseGenotype(genes, "A1,A2 B1,B2 C2,C1 D1,D2 E1,E2 F1F2", SEX_FEMALE),
                  ParseGenotype(genes, "A1,A2 B2,B1 C1,C2 D1,D2 E2,E1 F1F2", SEX_MALE));
    EXPECT_NEAR(TotalShare(mating.result), 1.0, 1e-12);
        // Each parent passes its first chromosome whole: the child's pairs keep
    // the mother's alleles first, C2 before C1.
    EXPECT_NEAR(OffspringShare(mating.result, "A1A1 B1B2 C2C1 D1D1 E1E2 F1F2"),
                0.25 * pow(0.999, 4) * pow(0.999, 3) * 0.998 * 0.5, 1e-5);
}

TEST(MatingPrediction, LongChainIsPredictedWithoutExhaustingMemory)
{
    // Twelve linked genes heterozygous in both parents: 2^12 gametes each,
    // whose 16 million combinations are mostly negligible at 1 percent.
    CString parent;
    const CString text = ManyHeterozygousGenes(12, parent);
    CString linked = text;
    CString loose = text;
    for (int i = 0; i + 1 < 12; i++)
    {
        CString line;
        line.Format("link G%d G%d 1\n", i, i + 1);
        linked += line;
        line.Format("link G%d G%d 50\n", i, i + 1);
        loose += line;
    }
    CTestConfig tight(linked);
    CGeneticsSection* genes = tight.Section(0);
    CMatingResult result;
    EXPECT_TEXT(genes->PredictMating(result, ParseGenotype(genes, parent, SEX_FEMALE), ParseGenotype(genes, parent, SEX_MALE)),
                "");
    EXPECT_GT(result.GetOffspringCount(), 1000);
    EXPECT_NEAR(TotalShare(result), 1.0, 1e-12);
    // Both parents pass a parental chain: 0.99^11 at either phase.
    const double parental = pow(0.99, 11) / 2;
    EXPECT_NEAR(result.GetOffspring(0)->m_dProbability, 2 * parental * parental, 1e-4);

    // At 50 percent the chain alone has millions of likely genotypes.
    CTestConfig free(loose);
    genes = free.Section(0);
    EXPECT_TEXT(genes->PredictMating(result, ParseGenotype(genes, parent, SEX_FEMALE), ParseGenotype(genes, parent, SEX_MALE)),
                "the mating has more than 100000 potential genotypes, too many to list");
    EXPECT_EQ(result.GetOffspringCount(), 0);
}
