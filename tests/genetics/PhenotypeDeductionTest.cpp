#include "GeneticsTestSupport.h"

#include "genetics/ExpandTerms.h"

namespace
{
struct Deduced
{
    CString phenotype;
    CString withCarried;
    CString carried;
    CString rulesSection;
};

Deduced Deduce(CGeneticsSection* section, const char* genotype)
{
    const CGenotype parsed = ParseGenotype(section, genotype);
    Deduced result;
    result.phenotype = section->DeducePhenotype(parsed, 0, &result.rulesSection);
    result.withCarried = section->DeducePhenotype(parsed, 1);
    result.carried = section->DeducePhenotype(parsed, 2);
    return result;
}

const char* const kGenes = "[genes Main]\n"
                           "gene B B, b\n"
                           "gene D D, d\n"
                           "gene E E, e\n";

// The genes, which every genotype leaves for the rules section Coat.
CString CoatRules(const char* rules)
{
    return CString(kGenes) + "always goto Coat\n[rules Coat]\nbaseon Main\n" + rules;
}
}  // namespace

TEST(PhenotypeDeduction, UnconditionalGotoDeducesEverythingInTheTargetSection)
{
    CTestConfig config(CoatRules("B,- say Black\n"
                                 "B,b carries brown\n"));
    const Deduced deduced = Deduce(config.Section(0), "Bb");
    EXPECT_TEXT(deduced.phenotype, "Black");
    EXPECT_TEXT(deduced.carried, "brown");
    EXPECT_TEXT(deduced.rulesSection, "Coat");
}

TEST(PhenotypeDeduction, FirstApplicableGotoWins)
{
    CTestConfig config(CString(kGenes) + "d,d goto Dilute\n"
                                          "e,e goto Yellow\n"
                                          "always goto Coat\n"
                                          "[rules Coat]\nbaseon Main\nalways say Coat\n"
                                          "[rules Dilute]\nbaseon Main\nalways say Dilute\n"
                                          "[rules Yellow]\nbaseon Main\nalways say Yellow\n");
    CGeneticsSection* genes = config.Section(0);
    EXPECT_TEXT(Deduce(genes, "dd ee").phenotype, "Dilute");
    EXPECT_TEXT(Deduce(genes, "DD ee").phenotype, "Yellow");
    const Deduced plain = Deduce(genes, "DD EE");
    EXPECT_TEXT(plain.phenotype, "Coat");
    EXPECT_TEXT(plain.rulesSection, "Coat");
}

TEST(PhenotypeDeduction, LongChainsOfGotosAreFollowedToTheirEnd)
{
    // Each rules section hands on to the next one: 80 steps to the last.
    const int sections = 80;
    CString text = CString(kGenes) + "always goto R0\n";
    for (int i = 0; i < sections; i++)
    {
        CString section;
        if (i + 1 < sections)
            section.Format("[rules R%d]\nbaseon Main\nalways goto R%d\n", i, i + 1);
        else
            section.Format("[rules R%d]\nbaseon Main\nalways say Last\nB,b carries brown\n", i);
        text += section;
    }
    CTestConfig config(text);
    const Deduced deduced = Deduce(config.Section(0), "Bb");
    EXPECT_TEXT(deduced.phenotype, "Last");
    EXPECT_TEXT(deduced.carried, "brown");
    EXPECT_TEXT(deduced.rulesSection, "R79");
}

TEST(PhenotypeDeduction, MaskedGenesAreInvisibleToLaterSayRulesButNotToCarries)
{
    CTestConfig config(CoatRules("e,e say Yellow\n"
                                 "e,e masks B\n"
                                 "B,- say Black\n"
                                 "b,b say Brown\n"
                                 "B,b carries brown\n"));
    CGeneticsSection* genes = config.Section(0);
    EXPECT_TEXT(Deduce(genes, "Bb ee").phenotype, "Yellow");
    EXPECT_TEXT(Deduce(genes, "Bb ee").carried, "brown");
    EXPECT_TEXT(Deduce(genes, "Bb EE").phenotype, "Black");
}

TEST(PhenotypeDeduction, RulesStopOnceEveryPairIsMasked)
{
    CTestConfig config(CoatRules("always say First\n"
                                 "always masks B E\n"
                                 "always say Last\n"));
    CGeneticsSection* genes = config.Section(0);
    EXPECT_TEXT(Deduce(genes, "Bb ee").phenotype, "First");
    EXPECT_TEXT(Deduce(genes, "Bb ee DD").phenotype, "First Last");
}

TEST(PhenotypeDeduction, BracketedGroupsStayWholeAndNulIsDropped)
{
    CTestConfig config(CoatRules("always say (Dark Brown) NUL\n"
                                 "always say NUL\n"
                                 "always say End\n"));
    // The empty element of the second rule still takes its separators.
    EXPECT_TEXT(Deduce(config.Section(0), "Bb").phenotype, "(Dark Brown)  End");
}

TEST(PhenotypeDeduction, ModesCombinePhenotypeAndCarriedTraits)
{
    CTestConfig config(CoatRules("B,- say Black\n"
                                 "B,b carries Brown\n"
                                 "D,d carries Dilute\n"));
    CGeneticsSection* genes = config.Section(0);
    const Deduced both = Deduce(genes, "Bb Dd");
    EXPECT_TEXT(both.phenotype, "Black");
    EXPECT_TEXT(both.carried, "Brown + Dilute");
    EXPECT_TEXT(both.withCarried, "Black carrying Brown + Dilute");
    EXPECT_TEXT(both.withCarried, "Black" + ExpandTerms(" ~carrying~ ") + "Brown + Dilute");
    const Deduced carriesOnly = Deduce(genes, "bb Dd");
    EXPECT_TEXT(carriesOnly.phenotype, "");
    EXPECT_TEXT(carriesOnly.withCarried, ExpandTerms("~carries~ ") + "Dilute");
    EXPECT_TEXT(Deduce(genes, "BB").withCarried, "Black");
}

TEST(PhenotypeDeduction, GenotypeThatNoRuleDescribesGivesEmptyTexts)
{
    CTestConfig config(CoatRules("B,- say Black\n"));
    const Deduced deduced = Deduce(config.Section(0), "bb");
    EXPECT_TEXT(deduced.phenotype, "");
    EXPECT_TEXT(deduced.withCarried, "");
    EXPECT_TEXT(deduced.carried, "");
    EXPECT_TEXT(deduced.rulesSection, "Coat");
}

TEST(PhenotypeDeduction, LethalRulesOfTheGenesSectionOnly)
{
    CTestConfig conditional(CString(kGenes) + "b,b and e,e lethal\n");
    CGeneticsSection* genes = conditional.Section(0);
    EXPECT_TRUE(genes->IsLethal(ParseGenotype(genes, "bb ee")));
    EXPECT_FALSE(genes->IsLethal(ParseGenotype(genes, "Bb ee")));

    CTestConfig always(CString(kGenes) + "always lethal\n");
    EXPECT_TRUE(always.Section(0)->IsLethal(CGenotype()));
}
