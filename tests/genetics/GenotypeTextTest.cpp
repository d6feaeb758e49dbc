#include "GeneticsTestSupport.h"

namespace
{
// Genes: B 1, D 2, E 3, Xo 4 (shared sex chromosome), Yg 5 (unshared), Height 6.
// Symbols: B 1, b 2, D 3, d 4, E 5, e 6, Xo 7, xo 8, Yg 9, yg 10, Short 11, Tall 12.
class GenotypeTextXY : public ::testing::Test
{
protected:
    GenotypeTextXY() : m_config(BasicGenesText(FALSE)), m_section(m_config.Section()) {}

    const CAllelePair& Only(const CGenotype& genotype)
    {
        EXPECT_EQ(genotype.GetCount(), 1);
        return genotype.GetPairs()[0];
    }

    CTestConfig m_config;
    const CGeneticsSection* m_section;
};

class GenotypeTextZW : public GenotypeTextXY
{
protected:
    GenotypeTextZW() : m_zwConfig(BasicGenesText(TRUE)) { m_section = m_zwConfig.Section(); }
    CTestConfig m_zwConfig;
};
} // namespace

TEST_F(GenotypeTextXY, EmptyTexts)
{
    EXPECT_TEXT(GenotypeError(m_section, ""), "allele pair list empty");
    EXPECT_TEXT(GenotypeError(m_section, " ; ;  "), "allele pair list empty");
}

TEST_F(GenotypeTextXY, PairsWithAndWithoutCommas)
{
    CGenotype commas = ParseGenotype(m_section, "B,b;D,d");
    CGenotype joined = ParseGenotype(m_section, "Bb Dd");
    EXPECT_TRUE(commas.IsEqual(joined));
    ASSERT_EQ(commas.GetCount(), 2);
    EXPECT_EQ(commas.GetPairs()[0].m_nGene, 1u);
    EXPECT_EQ(commas.GetPairs()[0].m_nAllele1, 1u);
    EXPECT_EQ(commas.GetPairs()[0].m_nAllele2, 2u);
    EXPECT_EQ(commas.GetPairs()[0].m_nFlags, PAIR_PARSED);

    // Allele 1 is the maternal allele, as written.
    const CAllelePair reversed = Only(ParseGenotype(m_section, "bB"));
    EXPECT_EQ(reversed.m_nAllele1, 2u);
    EXPECT_EQ(reversed.m_nAllele2, 1u);
    EXPECT_TEXT(ParseGenotype(m_section, "Ee D,d bB").Format(m_section, 0), "bB Dd Ee");
}

TEST_F(GenotypeTextXY, SpecialSymbols)
{
    const CAllelePair unknown = Only(ParseGenotype(m_section, "B-"));
    EXPECT_EQ(unknown.m_nAllele2, ALLELE_UNKNOWN);
    EXPECT_EQ(Only(ParseGenotype(m_section, "B?")).m_nAllele2, ALLELE_UNKNOWN);
    EXPECT_EQ(Only(ParseGenotype(m_section, "B,-", SEX_EITHER, PARSE_ALLOW_ANY)).m_nAllele2, ALLELE_ANY);
    EXPECT_EQ(Only(ParseGenotype(m_section, "-b", SEX_EITHER, PARSE_ALLOW_ANY)).m_nAllele1, ALLELE_ANY);
    EXPECT_TEXT(GenotypeError(m_section, "!,!"), "cannot identify gene");
    EXPECT_TEXT(GenotypeError(m_section, "-?"), "cannot identify gene");
    EXPECT_TEXT(GenotypeError(m_section, "B,!"), "paternal allele missing, yet maternal allele B is not sex linked");
    EXPECT_TEXT(GenotypeError(m_section, "!,b"), "maternal allele missing, yet paternal allele b is not sex linked");
}

TEST_F(GenotypeTextXY, WrongPairs)
{
    EXPECT_TEXT(GenotypeError(m_section, "B,b,B"),
                "allele pair 'B,b,B' must have 2 alleles given (possibly 1 for sex linked genes)");
    EXPECT_TEXT(GenotypeError(m_section, "B,d"), "alleles not from same gene");
    EXPECT_TEXT(GenotypeError(m_section, "B,q"), "unknown allele or range symbol 'q'");
    EXPECT_TEXT(GenotypeError(m_section, "Bd"), "unknown allele or range symbol 'Bd'");
    EXPECT_TEXT(GenotypeError(m_section, "B"),
                "only one allele 'B' for the 'B' gene present, yet this gene is not sex linked");
    EXPECT_TEXT(GenotypeError(m_section, "B,b B,B"), "Alleles for gene 'B' are multiply defined");
    EXPECT_TEXT(GenotypeError(m_section, "D,d B,b b,B"), "Alleles for gene 'B' are multiply defined");
    EXPECT_TEXT(GenotypeError(m_section, "B,Short"), "paternal allele Short - allele name is the same as a "
                                                     "polygenic range symbol");
    // Brackets keep a group together as one word, which is then no pair.
    EXPECT_TEXT(GenotypeError(m_section, "D,d (B,b E,e)"), "unknown allele or range symbol '(B,b E,e)'");
}

TEST_F(GenotypeTextXY, SingleAllelesOfSexLinkedGenes)
{
    int sex = -1;
    CGenotype male;
    EXPECT_TEXT(male.Parse(m_section, "Xo", SEX_MALE, 0, &sex), "");
    EXPECT_EQ(Only(male).m_nAllele1, 7u);
    EXPECT_EQ(Only(male).m_nAllele2, ALLELE_NONE);
    EXPECT_EQ(sex, SEX_MALE);

    CGenotype unknownSex;
    EXPECT_TEXT(unknownSex.Parse(m_section, "Xo", SEX_EITHER, 0, &sex), "");
    EXPECT_EQ(Only(unknownSex).m_nAllele1, 7u);
    EXPECT_EQ(sex, SEX_MALE);

    CGenotype yLinked;
    EXPECT_TEXT(yLinked.Parse(m_section, "Yg", SEX_EITHER, 0, &sex), "");
    EXPECT_EQ(Only(yLinked).m_nAllele1, ALLELE_NONE);
    EXPECT_EQ(Only(yLinked).m_nAllele2, 9u);
    EXPECT_EQ(sex, SEX_MALE);

    EXPECT_TEXT(GenotypeError(m_section, "Xo", SEX_FEMALE),
                "only one allele 'Xo' for the 'Xo' gene present, yet this individual is known to be female and "
                "females should have 2 alleles for this gene");
    EXPECT_TEXT(GenotypeError(m_section, "Yg", SEX_FEMALE),
                "allele 'Yg' for the 'Yg' gene present, yet this individual is known to be female, and females "
                "are homogametic and cannot carry this gene");
    EXPECT_TEXT(GenotypeError(m_section, "Short", SEX_FEMALE, 0), "");
}

TEST_F(GenotypeTextXY, CollectModeTakesAFemaleAsHomozygous)
{
    CGenotype genotype;
    CStringArray messages;
    EXPECT_TEXT(genotype.Parse(m_section, "Xo B,b B,B", SEX_FEMALE, PARSE_COLLECT, NULL, &messages), "");
    ASSERT_EQ(messages.GetSize(), 2);
    EXPECT_TEXT(messages[0], "only one allele 'Xo' for the 'Xo' gene present, yet this individual is known to be "
                             "female and females should have 2 alleles for this gene");
    EXPECT_TEXT(messages[1], "Alleles for gene 'B' are multiply defined");
    EXPECT_TEXT(genotype.Format(m_section, 0), "Bb XoXo");

    CStringArray sexMessages;
    EXPECT_TEXT(genotype.Parse(m_section, "Xo,xo", SEX_MALE, PARSE_COLLECT, NULL, &sexMessages), "");
    ASSERT_EQ(sexMessages.GetSize(), 1);
    EXPECT_TEXT(sexMessages[0], "paternal allele xo - allele 'xo' cannot be paternal in the heterogametic sex");
    EXPECT_TEXT(genotype.Format(m_section, FORMAT_SHOW_NONE), "Xo!");
}

TEST_F(GenotypeTextXY, PairsOfSexLinkedGenesShowTheSex)
{
    int sex = -1;
    CGenotype genotype;
    EXPECT_TEXT(genotype.Parse(m_section, "Xo,xo", SEX_EITHER, 0, &sex), "");
    EXPECT_EQ(sex, SEX_FEMALE);
    EXPECT_TEXT(genotype.Parse(m_section, "!,Yg", SEX_EITHER, 0, &sex), "");
    EXPECT_EQ(sex, SEX_MALE);
    EXPECT_TEXT(genotype.Parse(m_section, "B,b", SEX_EITHER, 0, &sex), "");
    EXPECT_EQ(sex, SEX_EITHER);

    EXPECT_TEXT(GenotypeError(m_section, "Xo,xo", SEX_MALE),
                "paternal allele xo - allele 'xo' cannot be paternal in the heterogametic sex");
    EXPECT_TEXT(GenotypeError(m_section, "Yg,yg", SEX_MALE), "maternal allele Yg - allele 'Yg' can only be paternal");
    EXPECT_TEXT(GenotypeError(m_section, "-,Yg", SEX_FEMALE),
                "paternal allele Yg - allele 'Yg' cannot be present in the homogametic sex");
    EXPECT_TEXT(GenotypeError(m_section, "Xo,-", SEX_MALE), "'Xo,-' cannot be associated with the male sex");
    // The sex shown by the first pair holds for the rest of the text.
    EXPECT_TEXT(GenotypeError(m_section, "Xo,xo Yg"),
                "allele 'Yg' for the 'Yg' gene present, yet this individual is known to be female, and females "
                "are homogametic and cannot carry this gene");
    // A pair that shows no sex leaves the given sex known.
    EXPECT_TEXT(GenotypeError(m_section, "B,b Xo", SEX_FEMALE), GenotypeError(m_section, "Xo B,b", SEX_FEMALE));
}

TEST_F(GenotypeTextXY, PairsThatShowASexMustSuitIt)
{
    // With the sex unknown, a pair with a missing allele shows the
    // heterogametic sex, and its alleles must stand where that sex has them.
    int sex = -1;
    CGenotype genotype;
    EXPECT_TEXT(genotype.Parse(m_section, "Xo,!", SEX_EITHER, 0, &sex), "");
    EXPECT_EQ(sex, SEX_MALE);
    EXPECT_TEXT(GenotypeError(m_section, "!,Xo"),
                "paternal allele Xo - allele 'Xo' cannot be paternal in the heterogametic sex");
    EXPECT_TEXT(GenotypeError(m_section, "yg,!"), "maternal allele yg - allele 'yg' can only be paternal");

    // A female has two X alleles: a missing one is refused like a lone allele.
    EXPECT_TEXT(GenotypeError(m_section, "Xo,!", SEX_FEMALE),
                "only one allele 'Xo' for the 'Xo' gene present, yet this individual is known to be female and "
                "females should have 2 alleles for this gene");
    CStringArray messages;
    EXPECT_TEXT(genotype.Parse(m_section, "!,xo", SEX_FEMALE, PARSE_COLLECT, NULL, &messages), "");
    EXPECT_EQ(messages.GetSize(), 1);
    EXPECT_TEXT(genotype.Format(m_section, 0), "xoxo");
}

TEST_F(GenotypeTextXY, PolygeneValuesAndRanges)
{
    const CAllelePair value = Only(ParseGenotype(m_section, "Height=-3"));
    EXPECT_EQ(value.m_nFlags, PAIR_PARSED | PAIR_POLY_VALUE | (1u << PAIR_PLACES_SHIFT));
    EXPECT_DOUBLE_EQ(value.m_dValue, -3.0);

    const CAllelePair range = Only(ParseGenotype(m_section, "Height=10-12", SEX_EITHER, PARSE_ALLOW_RANGES));
    EXPECT_TRUE(range.IsRange());
    EXPECT_DOUBLE_EQ(range.m_dValue, 10.0);
    EXPECT_DOUBLE_EQ(range.m_dUpper, 12.0);
    const CAllelePair negative = Only(ParseGenotype(m_section, "Height=-3--1", SEX_EITHER, PARSE_ALLOW_RANGES));
    EXPECT_DOUBLE_EQ(negative.m_dValue, -3.0);
    EXPECT_DOUBLE_EQ(negative.m_dUpper, -1.0);

    // A range symbol is its range where ranges are allowed, else its midpoint.
    const CAllelePair shortRange = Only(ParseGenotype(m_section, "Short", SEX_EITHER, PARSE_ALLOW_RANGES));
    EXPECT_DOUBLE_EQ(shortRange.m_dValue, 0.0);
    EXPECT_NEAR(shortRange.m_dUpper, 9.9, 1e-9);
    const CAllelePair tallValue = Only(ParseGenotype(m_section, "Tall"));
    EXPECT_FALSE(tallValue.IsRange());
    EXPECT_DOUBLE_EQ(tallValue.m_dValue, 15.0);

    // In a genotype text a word that is no polygene value keeps the pair parser's message.
    EXPECT_TEXT(GenotypeError(m_section, "Height=abc"), "unknown allele or range symbol 'Height=abc'");
    EXPECT_TEXT(GenotypeError(m_section, "Height=10-12"), "unknown allele or range symbol 'Height=10-12'");
}

TEST_F(GenotypeTextXY, PolygeneMessages)
{
    struct Case
    {
        const char* text;
        BOOL ranges;
        const char* error;
    };
    const Case cases[] = {
        {"Height=12-10", TRUE, "lower bound '12' is not less than upper bound '10' for polygene 'Height' "
                               "(to 1 decimal place(s))"},
        {"Height=10-10", TRUE, "lower bound '10' is not less than upper bound '10' for polygene 'Height' "
                               "(to 1 decimal place(s))"},
        {"Height=10-12", FALSE, "value '10-12' for polygene 'Height' is a range but has been used where a range "
                                "is not permitted"},
        {"Height=x-12", TRUE, "invalid lower bound 'x' in range for polygene 'Height'"},
        {"Height=1-y", TRUE, "invalid upper bound 'y' in range for polygene 'Height'"},
        {"Height=abc", TRUE, "invalid value 'abc' for polygene 'Height'"},
        {"Height=nan", TRUE, "invalid value 'nan' for polygene 'Height'"},
        {"Height=-inf-1", TRUE, "invalid lower bound '-inf' in range for polygene 'Height'"},
        {"Height=1-inf", TRUE, "invalid upper bound 'inf' in range for polygene 'Height'"},
        {"Height", TRUE, "cannot determine polygene value"},
        {"=5", TRUE, "missing polygene name"},
        {"Height=", TRUE, "missing polygene value/range"},
        {"Weight=5", TRUE, "unknown polygene 'Weight'"},
        {"B=5", TRUE, "gene 'B' is not a polygene"},
        {"b", TRUE, "b - range symbol is the same as an allele name of a discrete (non-polygenic) gene"},
    };
    for (const Case& c : cases)
    {
        CAllelePair pair;
        EXPECT_TEXT(pair.ParsePolygene(m_section, c.text, c.ranges), c.error) << c.text;
    }
}

TEST_F(GenotypeTextZW, SingleAllelesInTheZWSystem)
{
    int sex = -1;
    CGenotype female;
    EXPECT_TEXT(female.Parse(m_section, "Xo", SEX_FEMALE, 0, &sex), "");
    EXPECT_EQ(Only(female).m_nAllele1, ALLELE_NONE);
    EXPECT_EQ(Only(female).m_nAllele2, 7u);

    CGenotype unknownSex;
    EXPECT_TEXT(unknownSex.Parse(m_section, "Yg", SEX_EITHER, 0, &sex), "");
    EXPECT_EQ(Only(unknownSex).m_nAllele1, 9u);
    EXPECT_EQ(Only(unknownSex).m_nAllele2, ALLELE_NONE);
    EXPECT_EQ(sex, SEX_FEMALE);

    EXPECT_TEXT(unknownSex.Parse(m_section, "Xo,xo", SEX_EITHER, 0, &sex), "");
    EXPECT_EQ(sex, SEX_MALE);
    EXPECT_TEXT(unknownSex.Parse(m_section, "Yg,!", SEX_EITHER, 0, &sex), "");
    EXPECT_EQ(sex, SEX_FEMALE);

    EXPECT_TEXT(GenotypeError(m_section, "Xo", SEX_MALE),
                "only one allele 'Xo' for the 'Xo' gene present, yet this individual is known to be male and males "
                "should have 2 alleles for this gene");
    EXPECT_TEXT(GenotypeError(m_section, "Yg", SEX_MALE),
                "allele 'Yg' for the 'Yg' gene present, yet this individual is known to be male, and males are "
                "homogametic and cannot carry this gene");
    EXPECT_TEXT(GenotypeError(m_section, "Xo,xo", SEX_FEMALE),
                "maternal allele Xo - allele 'Xo' cannot be maternal in the heterogametic sex");
    EXPECT_TEXT(GenotypeError(m_section, "Yg,yg", SEX_FEMALE),
                "paternal allele yg - allele 'yg' can only be maternal");
    EXPECT_TEXT(GenotypeError(m_section, "-,Xo", SEX_FEMALE), "'-,Xo' cannot be associated with the female sex");
    EXPECT_TEXT(GenotypeError(m_section, "!,Yg", SEX_MALE),
                "paternal allele Yg - allele 'Yg' cannot be present in the homogametic sex");
}

namespace
{
// The written forms that read alike under both sex systems.
void CheckWrittenForms(const CGeneticsSection* section)
{
    // Pairs with and without a comma, separated by blanks or semicolons.
    CGenotype commas = ParseGenotype(section, " B,b ;D,d;; E,e ");
    CGenotype joined = ParseGenotype(section, "Bb Dd Ee");
    EXPECT_TRUE(commas.IsEqual(joined));
    EXPECT_TEXT(commas.Format(section, 0), "Bb Dd Ee");
    // A blank ends a word, also beside a comma.
    EXPECT_TEXT(GenotypeError(section, "D , d"), "only one allele 'D' for the 'D' gene present, yet this gene is "
                                                 "not sex linked");

    // "?" and "-" are an unknown allele; "-" is any allele where rule patterns allow it.
    EXPECT_EQ(ParseGenotype(section, "B?").GetPairs()[0].m_nAllele2, ALLELE_UNKNOWN);
    EXPECT_EQ(ParseGenotype(section, "?,b").GetPairs()[0].m_nAllele1, ALLELE_UNKNOWN);
    EXPECT_EQ(ParseGenotype(section, "-b").GetPairs()[0].m_nAllele1, ALLELE_UNKNOWN);
    EXPECT_EQ(ParseGenotype(section, "-b", SEX_EITHER, PARSE_ALLOW_ANY).GetPairs()[0].m_nAllele1, ALLELE_ANY);
    EXPECT_TEXT(ParseGenotype(section, "B,?").Format(section, FORMAT_UNKNOWN_AS_QUESTION), "B?");

    // Polygene values, ranges where they are allowed, and range symbols.
    CGenotype value = ParseGenotype(section, "Height=12.5 E,e");
    EXPECT_TEXT(value.Format(section, 0), "Ee Height=12.5");
    CGenotype range = ParseGenotype(section, "Height=2-4.5", SEX_EITHER, PARSE_ALLOW_RANGES);
    EXPECT_TEXT(range.Format(section, 0), "Height=2.0-4.5");
    EXPECT_TEXT(ParseGenotype(section, "Tall", SEX_EITHER, PARSE_ALLOW_RANGES).Format(section, 0), "Tall");
    EXPECT_TEXT(ParseGenotype(section, "Height=15").Format(section, 0), "Tall");

    // Brackets hold a word together: inside them neither blanks nor commas split.
    EXPECT_TEXT(GenotypeError(section, "(B b)"), "unknown allele or range symbol '(B b)'");
    EXPECT_TEXT(GenotypeError(section, "(B,b)"), "unknown allele or range symbol '(B,b)'");
    EXPECT_TEXT(GenotypeError(section, "B,(b,B)"), "unknown allele or range symbol '(b,B)'");
}
} // namespace

TEST_F(GenotypeTextXY, WrittenForms)
{
    CheckWrittenForms(m_section);
    // The single allele of an X-linked gene is a male's maternal allele.
    EXPECT_TEXT(ParseGenotype(m_section, "Xo", SEX_MALE).Format(m_section, FORMAT_SHOW_NONE), "Xo!");
    EXPECT_TEXT(ParseGenotype(m_section, "Xo!", SEX_MALE).Format(m_section, FORMAT_SHOW_NONE), "Xo!");
    EXPECT_TEXT(ParseGenotype(m_section, "!Yg", SEX_MALE).Format(m_section, FORMAT_SHOW_NONE), "!Yg");
}

TEST_F(GenotypeTextZW, WrittenForms)
{
    CheckWrittenForms(m_section);
    // The single allele of a Z-linked gene is a female's paternal allele.
    EXPECT_TEXT(ParseGenotype(m_section, "Xo", SEX_FEMALE).Format(m_section, FORMAT_SHOW_NONE), "!Xo");
    EXPECT_TEXT(ParseGenotype(m_section, "!,Xo", SEX_FEMALE).Format(m_section, FORMAT_SHOW_NONE), "!Xo");
    EXPECT_TEXT(ParseGenotype(m_section, "Yg!", SEX_FEMALE).Format(m_section, FORMAT_SHOW_NONE), "Yg!");
}

TEST_F(GenotypeTextXY, WithTheSexUnknownAPairMustSuitTheSexItShows)
{
    // Two alleles of a Y-linked gene, or a Y allele on the maternal side,
    // suit no individual.
    EXPECT_TEXT(GenotypeError(m_section, "Yg,yg"), "maternal allele Yg - allele 'Yg' can only be paternal");
    EXPECT_TEXT(GenotypeError(m_section, "yg,-"), "maternal allele yg - allele 'yg' can only be paternal");
    int sex = -1;
    CGenotype genotype;
    EXPECT_TEXT(genotype.Parse(m_section, "-,Yg", SEX_EITHER, PARSE_ALLOW_ANY, &sex), "");
    EXPECT_EQ(sex, SEX_MALE);
    EXPECT_EQ(genotype.GetPairs()[0].m_nAllele1, ALLELE_ANY);
}

TEST_F(GenotypeTextZW, WithTheSexUnknownAPairMustSuitTheSexItShows)
{
    EXPECT_TEXT(GenotypeError(m_section, "Yg,yg"), "paternal allele yg - allele 'yg' can only be maternal");
    EXPECT_TEXT(GenotypeError(m_section, "?,Yg"), "paternal allele Yg - allele 'Yg' can only be maternal");
    EXPECT_TEXT(GenotypeError(m_section, "Xo,!"), "maternal allele Xo - allele 'Xo' cannot be maternal in the "
                                                  "heterogametic sex");
    int sex = -1;
    CGenotype genotype;
    EXPECT_TEXT(genotype.Parse(m_section, "Yg,?", SEX_EITHER, 0, &sex), "");
    EXPECT_EQ(sex, SEX_FEMALE);
}
