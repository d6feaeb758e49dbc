#include "GeneticsTestSupport.h"

#include "genetics/DecimalCompare.h"

static CAllelePair Pair(UINT gene, UINT allele1, UINT allele2)
{
    CAllelePair pair;
    pair.m_nGene = gene;
    pair.m_nAllele1 = allele1;
    pair.m_nAllele2 = allele2;
    pair.m_nFlags = PAIR_PARSED;
    return pair;
}

static CAllelePair Value(UINT gene, int places, double value)
{
    CAllelePair pair;
    pair.InitPolygene(gene, places);
    pair.SetValue(value);
    return pair;
}

static CAllelePair Range(UINT gene, int places, double lower, double upper)
{
    CAllelePair pair;
    pair.InitPolygene(gene, places);
    pair.SetRange(lower, upper);
    return pair;
}

TEST(GenotypeValue, PairsMoveToTheHeapFromThe17thAndBack)
{
    CGenotype genotype;
    for (UINT gene = 1; gene <= 16; gene++)
        genotype.AddPair(Pair(gene, 1, 2));
    EXPECT_EQ(genotype.GetCapacity(), 0u);
    genotype.AddPair(Pair(17, 1, 2));
    EXPECT_EQ(genotype.GetCapacity(), 20u);
    for (UINT gene = 18; gene <= 21; gene++)
        genotype.AddPair(Pair(gene, 1, 2));
    EXPECT_EQ(genotype.GetCapacity(), 24u);
    EXPECT_EQ(genotype.GetCount(), 21);

    CGenotype copy(genotype);
    EXPECT_EQ(copy.GetCapacity(), 24u);
    EXPECT_EQ(copy.GetPairs()[20].m_nGene, 21u);

    for (UINT gene = 21; gene > 16; gene--)
        EXPECT_TRUE(genotype.RemoveGene(gene));
    EXPECT_EQ(genotype.GetCount(), 16);
    EXPECT_EQ(genotype.GetCapacity(), 0u);
    EXPECT_EQ(genotype.GetPairs()[15].m_nGene, 16u);
}

TEST(GenotypeValue, RemoveMergeAndSort)
{
    CGenotype genotype;
    genotype.AddPair(Pair(3, 1, 1));
    genotype.AddPair(Pair(1, 2, 2));
    EXPECT_FALSE(genotype.RemoveGene(7));
    EXPECT_EQ(genotype.GetCount(), 2);

    CGenotype other;
    other.AddPair(Pair(3, 5, 6));
    genotype.Merge(other);
    ASSERT_EQ(genotype.GetCount(), 2);
    EXPECT_EQ(genotype.GetPairs()[1].m_nGene, 3u);
    EXPECT_EQ(genotype.GetPairs()[1].m_nAllele1, 5u);
    EXPECT_TRUE(genotype.IsUnsorted());

    genotype.Sort();
    EXPECT_FALSE(genotype.IsUnsorted());
    EXPECT_EQ(genotype.GetPairs()[0].m_nGene, 1u);
}

TEST(GenotypeValue, MatchingDiscretePairs)
{
    CGenotype pattern;
    pattern.AddPair(Pair(1, 1, 2));
    CGenotype swapped;
    swapped.AddPair(Pair(1, 2, 1));
    CGenotype homozygous;
    homozygous.AddPair(Pair(1, 2, 2));
    CGenotype other;
    other.AddPair(Pair(2, 1, 1));

    EXPECT_TRUE(pattern.Matches(swapped, 0));
    EXPECT_FALSE(pattern.Matches(homozygous, 0));
    EXPECT_FALSE(pattern.Matches(other, 0));
    EXPECT_TRUE(pattern.Matches(other, MATCH_MISSING_GENE_OK));
    EXPECT_TRUE(CGenotype().Matches(other, 0));

    CGenotype wildcard;
    wildcard.AddPair(Pair(1, 1, ALLELE_ANY));
    EXPECT_TRUE(wildcard.Matches(swapped, MATCH_ANY));
    EXPECT_FALSE(wildcard.Matches(swapped, 0));
    EXPECT_FALSE(wildcard.Matches(homozygous, MATCH_ANY));

    CGenotype unknown;
    unknown.AddPair(Pair(1, ALLELE_UNKNOWN, 2));
    EXPECT_TRUE(unknown.Matches(homozygous, MATCH_PATTERN_UNKNOWN));
    EXPECT_FALSE(unknown.Matches(homozygous, MATCH_OTHER_UNKNOWN));
}

TEST(GenotypeValue, MatchingPolygenes)
{
    EXPECT_TRUE(Value(6, 1, 1.24).MatchPolygene(Value(6, 1, 1.26), 0));
    EXPECT_FALSE(Value(6, 1, 1.2).MatchPolygene(Value(6, 1, 1.3), 0));
    EXPECT_TRUE(Value(6, 1, 5.0).MatchPolygene(Range(6, 1, 4.0, 6.0), 0));
    EXPECT_FALSE(Value(6, 1, 7.0).MatchPolygene(Range(6, 1, 4.0, 6.0), 0));
    EXPECT_TRUE(Range(6, 1, 4.0, 6.0).MatchPolygene(Range(6, 1, 5.0, 9.0), 0));
    EXPECT_FALSE(Range(6, 1, 4.0, 6.0).MatchPolygene(Range(6, 1, 6.5, 9.0), 0));
    EXPECT_FALSE(Range(6, 1, 4.0, 6.0).MatchPolygene(Range(6, 1, 1.0, 3.5), 0));
    EXPECT_TRUE(Range(6, 1, 4.0, 6.0).MatchPolygene(Value(6, 1, 5.0), MATCH_POLY_MIDPOINT));

    CGenotype pattern;
    pattern.AddPair(Value(6, 1, 5.0));
    CGenotype other;
    other.AddPair(Value(6, 1, 8.0));
    EXPECT_FALSE(pattern.Matches(other, 0));
    EXPECT_TRUE(pattern.Matches(other, MATCH_SKIP_POLYGENES));
}

TEST(GenotypeValue, DecimalComparisons)
{
    EXPECT_TRUE(ApproxEqual(2.04, 2.06, 1));
    EXPECT_FALSE(ApproxEqual(2.0, 2.1, 1));
    EXPECT_TRUE(ApproxLess(2.0, 2.06, 1));
    EXPECT_FALSE(ApproxLess(2.0, 2.04, 1));
    EXPECT_TRUE(ApproxGreater(3.0, 2.5, 0));
    EXPECT_TRUE(ApproxEqual(1.0, 1.0 + 4e-10, 12));   // places above 9 count as 9
    EXPECT_FALSE(ApproxEqual(1.0, 1.0 + 6e-10, 12));
    EXPECT_TRUE(ApproxEqual(1.0, 1.4, -3));           // below 0 counts as 0
}

TEST(GenotypeValue, EqualityCountsAlleleOrder)
{
    CGenotype a, b;
    a.AddPair(Pair(1, 1, 2));
    b.AddPair(Pair(1, 2, 1));
    EXPECT_FALSE(a.IsEqual(b));
    CGenotype c;
    c.AddPair(Pair(2, 3, 3));
    c.AddPair(Pair(1, 1, 2));
    a.AddPair(Pair(2, 3, 3));
    EXPECT_TRUE(a.IsEqual(c));
    EXPECT_TRUE(Value(6, 1, 2.04).IsEqual(Value(6, 1, 2.06)));
    EXPECT_FALSE(Value(6, 1, 2.0).IsEqual(Value(6, 1, 2.1)));
}

TEST(GenotypeValue, Formatting)
{
    CTestConfig config(BasicGenesText());
    const CGeneticsSection* section = config.Section();

    CGenotype genotype;
    genotype.AddPair(Pair(3, 5, 6));
    genotype.AddPair(Pair(1, 1, 2));
    EXPECT_TEXT(genotype.Format(section, 0), "Bb Ee");

    const CAllelePair single = Pair(4, 7, ALLELE_NONE);
    EXPECT_TEXT(single.Format(section, 0), "Xo");
    EXPECT_TEXT(single.Format(section, FORMAT_SHOW_NONE), "Xo!");
    const CAllelePair unknown = Pair(1, ALLELE_UNKNOWN, 2);
    EXPECT_TEXT(unknown.Format(section, 0), "-b");
    EXPECT_TEXT(unknown.Format(section, FORMAT_UNKNOWN_AS_QUESTION), "?b");

    // Midpoint of the named range Short (0 to 10) is 5.
    EXPECT_TEXT(Value(6, 1, 5.0).Format(section, 0), "Short");
    EXPECT_TEXT(Value(6, 1, 5.0).Format(section, FORMAT_NO_RANGE_SYMBOLS), "Height=5.0");
    EXPECT_TEXT(Value(6, 1, 7.26).Format(section, FORMAT_NO_GENE_NAME), "7.3");
    // Short as a range runs from 0 to 10 less the step; Tall, the last, to 20.
    EXPECT_TEXT(Range(6, 1, 0.0, 9.9).Format(section, 0), "Short");
    EXPECT_TEXT(Range(6, 1, 10.0, 20.0).Format(section, 0), "Tall");
    EXPECT_TEXT(Range(6, 1, 2.0, 3.0).Format(section, 0), "Height=2.0-3.0");
    EXPECT_TEXT(Range(6, 1, 12.0, 18.0).Format(section, FORMAT_RANGE_AS_MIDPOINT), "Tall");
    EXPECT_TEXT(Range(6, 1, -3.0, -1.0).Format(section, 0), "Height=-3.0--1.0");
    EXPECT_TEXT(CGenotype().Format(section, 0), "");
}

TEST(GenotypeValue, CommaWhenPairsCouldBeMisread)
{
    CTestConfig config("[genes Main]\n"
                       "gene C C, c, Cc\n"
                       "gene B B, b\n");
    const CGeneticsSection* section = config.Section();
    EXPECT_TRUE(section->IsCommaNeeded(1));
    EXPECT_FALSE(section->IsCommaNeeded(2));
    CGenotype genotype = ParseGenotype(section, "C,c B,b");
    EXPECT_TEXT(genotype.Format(section, 0), "C,c Bb");
    CGenotype again = ParseGenotype(section, genotype.Format(section, 0));
    EXPECT_TRUE(again.IsEqual(genotype));
    // Without a comma the word is the single symbol Cc, which is no pair.
    EXPECT_TEXT(GenotypeError(section, "Cc"),
                "only one allele 'Cc' for the 'C' gene present, yet this gene is not sex linked");
}

TEST(GenotypeValue, CommaWhenAPairWouldSplitIntoOtherAlleles)
{
    // Written together, the pair ab,c would read back as a,bc.
    CTestConfig config("[genes Main]\n"
                       "gene S a, bc, ab, c\n"
                       "gene A Ay, aw, at, at2\n");
    const CGeneticsSection* section = config.Section();
    EXPECT_TRUE(section->IsCommaNeeded(1));
    CGenotype genotype = ParseGenotype(section, "ab,c");
    EXPECT_TEXT(genotype.Format(section, 0), "ab,c");
    CGenotype again = ParseGenotype(section, genotype.Format(section, 0));
    EXPECT_TRUE(again.IsEqual(genotype));
    EXPECT_EQ(again.GetPairs()[0].m_nAllele1, 3u);

    // Names that share a beginning but split only one way need no comma.
    EXPECT_FALSE(section->IsCommaNeeded(2));
    EXPECT_TEXT(ParseGenotype(section, "at,at2").Format(section, 0), "atat2");
    EXPECT_TEXT(ParseGenotype(section, "atat2").Format(section, 0), "atat2");
}

TEST(GenotypeValue, GeneNumbersOutsideTheSectionAreHarmless)
{
    // A genotype read against a larger section and written against a smaller one.
    CTestConfig config(BasicGenesText());
    const CGeneticsSection* section = config.Section();
    CGenotype genotype;
    genotype.AddPair(Pair(99, 500, 501));
    genotype.AddPair(Value(77, 1, 2.5));
    EXPECT_TEXT(genotype.Format(section, 0), "=2.5 ");
    EXPECT_FALSE(section->IsCommaNeeded(99));
    EXPECT_TRUE(section->GetGeneDef(99) == NULL);
    EXPECT_FALSE(section->CanCarryAllele(99, SEX_MALE, 0));
    CString text;
    int sex;
    EXPECT_FALSE(section->FindPairDescription(genotype.GetPairs()[0], text, sex));
}
