// Lines, comments, continuations, header keys, sections and statement passes.
#include "GeneticsTestSupport.h"

#include "genetics/ExpandTerms.h"
#include "genetics/GeneticsExprNode.h"

TEST(ConfigFormat, HeaderKeysAnywhere)
{
    CGeneticsConfig config;
    EXPECT_TEXT(ReadConfigText(config, "desc\n"
                                       "DESC First line\n"
                                       "desc\n"
                                       "version 2.1 beta\n"
                                       "notes One\n"
                                       "[genes Main]\n"
                                       "gene B B, b\n"
                                       "notesqv Two\n"
                                       "notesjw Hidden\n"
                                       "Notesthree\n"
                                       "versionx\n"
                                       "desc Last\n"),
                "");
    EXPECT_TEXT(config.m_strDescription, "First line\n\nLast");
    EXPECT_TEXT(config.m_strNotes, "One\nTwo\nthree");
    EXPECT_TEXT(config.m_strVersion, "2.1 beta");
    EXPECT_EQ(config.GetSectionCount(), 1);

    CGeneticsConfig later;
    EXPECT_TEXT(ReadConfigText(later, "versionNext\n[genes Main]\ngene B B, b\n"), "");
    EXPECT_TEXT(later.m_strVersion, "Next");

    // "desc" needs the blank after it.
    CGeneticsConfig glued;
    EXPECT_TEXT(ReadConfigText(glued, "[genes Main]\ngene B B, b\ndescription of B\n"),
                "line 3, unknown control line");
}

TEST(ConfigFormat, CommentsAndContinuations)
{
    CGeneticsConfig config;
    EXPECT_TEXT(ReadConfigText(config, "# A configuration\n"
                                       "[genes Main]   # the only section\n"
                                       "gene B B, \\\n"
                                       "b#, c\n"
                                       "gene D \\\n"
                                       "D, d\n"),
                "");
    CGeneticsSection* section = config.GetSection(0);
    EXPECT_TEXT(section->m_strName, "Main");
    EXPECT_EQ(section->GetGeneCount(), 2u);
    EXPECT_EQ(section->GetSymbolCount(), 4u);

    // A word directly followed by "\" is glued to the first word of the next line.
    CGeneticsConfig glued;
    EXPECT_TEXT(ReadConfigText(glued, "[genes Main]\ngene\\\nB B, b\n"), "line 2, unknown control line");

    // A continued statement keeps the number of its first line; the lines
    // after it keep their own numbers, also after removed comment lines.
    CGeneticsConfig numbered;
    EXPECT_TEXT(ReadConfigText(numbered, "[genes Main]\n"
                                         "# comment\n"
                                         "gene B B, \\\n"
                                         "q:200\n"
                                         "gene D D, d\n"),
                "line 3, invalid allele distribution '200' - valid percentage expected");
    EXPECT_TEXT(ReadConfigText(numbered, "[genes Main]\n"
                                         "gene B B, \\\n"
                                         "b\n"
                                         "# comment\n"
                                         "gene D D\n"),
                "line 5, insufficient alleles given");
}

TEST(ConfigFormat, SectionHeaders)
{
    CString name;
    BOOL genes = FALSE;
    EXPECT_TRUE(ParseSectionHeader("[ GENES  Coat and Eyes ]", &name, &genes));
    EXPECT_TEXT(name, "Coat and Eyes");
    EXPECT_TRUE(genes);
    EXPECT_TRUE(ParseSectionHeader("[rules R]", &name, &genes));
    EXPECT_FALSE(genes);
    EXPECT_FALSE(ParseSectionHeader("[genes]", NULL, NULL));
    EXPECT_FALSE(ParseSectionHeader("[genes  ]", NULL, NULL));
    EXPECT_FALSE(ParseSectionHeader("[colour Main]", NULL, NULL));
    EXPECT_FALSE(ParseSectionHeader("[]", NULL, NULL));

    CGeneticsConfig config;
    EXPECT_TEXT(ReadConfigText(config, "lines before the first header are ignored\n" + BasicGenesText() +
                                           "[rules Coat]\nbaseon MAIN\n\n[rules Eyes]\nbaseon coat\n"),
                "");
    EXPECT_EQ(config.CountRulesSections(), 2);
    EXPECT_EQ(config.FindSection("COAT"), config.GetSection(1));
    EXPECT_TRUE(config.FindSection("") == NULL);
    EXPECT_TRUE(config.FindSection(NULL) == NULL);
    EXPECT_EQ(config.GetSection(2)->GetGenesSection(), config.GetSection(0));
    EXPECT_EQ(config.GetSection(0)->GetGenesSection(), config.GetSection(0));
}

TEST(ConfigFormat, StatementsAreAppliedByKind)
{
    CTestConfig config("[genes Main]\n"
                       "link B D 10\n"
                       "usefor anything at all\n"
                       "testmating B,b x b,b\n"
                       "gene B B, b\n"
                       "gene D D, d\n"
                       "sexsystem ZW\n"
                       "link D B 10 20\n"
                       "gene E E, e\n"
                       "link B E 30\n");
    const CGeneticsSection* section = config.Section();
    EXPECT_EQ(section->m_nSexSystem, SEXSYSTEM_ZW);
    const CGeneDef* b = section->GetGeneDef(1);
    const CGeneDef* d = section->GetGeneDef(2);
    const CGeneDef* e = section->GetGeneDef(3);
    // The later link of B replaces its link to D, so D keeps no linked-to flag.
    EXPECT_EQ(b->m_nNextGene, 3u);
    EXPECT_DOUBLE_EQ(b->m_dFemaleCrossover, 0.3);
    EXPECT_DOUBLE_EQ(b->m_dMaleCrossover, 0.3);
    EXPECT_EQ(d->m_nNextGene, 1u);
    EXPECT_DOUBLE_EQ(d->m_dFemaleCrossover, 0.1);
    EXPECT_DOUBLE_EQ(d->m_dMaleCrossover, 0.2);
    EXPECT_FALSE(d->m_bLinkedTo);
    EXPECT_TRUE(b->m_bLinkedTo);
    EXPECT_TRUE(e->m_bLinkedTo);
}

TEST(ConfigFormat, CrossoverFiguresArePlainDecimalsWithAnOptionalPercentSign)
{
    const struct
    {
        const char* figure;
        double fraction;
    } cases[] = {{"0", 0.0}, {"100", 1.0}, {"000100.000", 1.0}, {"0.5", 0.005}, {"7.", 0.07}, {".25", 0.0025},
                 {"12.3456789", 0.1234568}, {"10%", 0.1}, {"0.5%", 0.005}, {"100%", 1.0}};
    for (const auto& c : cases)
    {
        CTestConfig config(CString("[genes Main]\ngene B B, b\ngene D D, d\nlink B D ") + c.figure + "\n");
        ASSERT_EQ(config.m_config.GetSectionCount(), 1) << c.figure;
        EXPECT_NEAR(config.Section()->GetGeneDef(1)->m_dFemaleCrossover, c.fraction, 1e-12) << c.figure;
    }
}

TEST(ConfigFormat, SexSystemOfASectionBasedOnAnother)
{
    CGeneticsConfig config;
    EXPECT_TEXT(ReadConfigText(config, BasicGenesText(TRUE) + "[genes More]\nbaseon Main\nsexsystem zw\n"
                                                               "gene Q Q, q\n"),
                "");
    EXPECT_EQ(config.GetSection(1)->m_nSexSystem, SEXSYSTEM_ZW);
    EXPECT_EQ(config.GetSection(1)->FindGene("Q"), 7u);
}

TEST(ConfigFormat, BaseContentIsCopiedWithoutGotoRules)
{
    CTestConfig config(BasicGenesText() + "describe gene B Brown locus\n"
                                          "describe allele b chocolate\n"
                                          "describe genotype b,b liver\n"
                                          "B,b lethal\n"
                                          "always goto Coat\n"
                                          "D,- means Dense\n"
                                          "selectgenotype tab label=Coat\n"
                                          "[rules Coat]\n"
                                          "baseon Main\n"
                                          "Dense say Dense\n");
    const CGeneticsSection* main = config.Section(0);
    const CGeneticsSection* coat = config.Section(1);
    EXPECT_EQ(main->GetRuleCount(), 3);
    ASSERT_EQ(coat->GetRuleCount(), 3);
    EXPECT_EQ(coat->m_ruleKinds[0], RULE_LETHAL);
    EXPECT_EQ(coat->m_ruleKinds[1], RULE_MEANS);
    EXPECT_EQ(coat->m_ruleKinds[2], RULE_SAY);
    EXPECT_NE(coat->GetRuleCondition(0), main->GetRuleCondition(0));
    EXPECT_TEXT(coat->m_ruleTexts[1], "Dense");
    EXPECT_EQ(coat->FindGene("Height"), 6u);
    EXPECT_TEXT(coat->m_geneDescriptions[1], "Brown locus");
    UINT code = 0;
    EXPECT_TEXT(coat->LookupSymbol("b", 0, code), "");
    EXPECT_TEXT(coat->GetSymbolDescription(code), "chocolate");
    EXPECT_EQ(coat->m_describedPairs.GetSize(), 1);
    EXPECT_TRUE(coat->GetRuleCondition(2)->Evaluate(ParseGenotype(coat, "D,d"), coat));
}

TEST(ConfigFormat, RuleLines)
{
    EnsureDefaultTerms();
    CTestConfig config(BasicGenesText() + "always lethal\n"
                                          "B,b E,e assumed\n"
                                          "D,d masks B E\n"
                                          "ALWAYS GOTO Coat\n"
                                          "[rules Coat]\n"
                                          "baseon Main\n"
                                          "b,b say ~MaleLetter~ Brown\n"
                                          "b,- carries Brown means dilute\n");
    const CGeneticsSection* main = config.Section(0);
    ASSERT_EQ(main->GetRuleCount(), 4);
    EXPECT_TRUE(main->GetRuleCondition(0) == NULL);
    EXPECT_TRUE(main->GetRuleGenotype(0) == NULL);
    EXPECT_EQ(main->GetRuleGenotype(1)->GetCount(), 2);
    EXPECT_TEXT(main->m_ruleTexts[1], "");
    EXPECT_TEXT(main->m_ruleTexts[2], "B E");
    EXPECT_EQ(main->m_ruleKinds[3], RULE_GOTO);
    EXPECT_TEXT(main->m_ruleTexts[3], "Coat");
    const CGeneticsSection* coat = config.Section(1);
    EXPECT_TEXT(coat->m_ruleTexts[3], ExpandTerms("~MaleLetter~ Brown"));
    // The first rule keyword from the left decides: "carries" here, with
    // "Brown means dilute" as its text.
    EXPECT_EQ(coat->m_ruleKinds[4], RULE_CARRIES);
    EXPECT_TEXT(coat->m_ruleTexts[4], "Brown means dilute");
}

TEST(ConfigFormat, DescriptionCodes)
{
    CTestConfig config(BasicGenesText() + "describe gene B Brown @gB@ locus\n"
                                          "describe allele b chocolate\n"
                                          "describe range Tall above ten\n"
                                          "describe genotype b,b \"liver nose\"\n"
                                          "[rules Coat]\n"
                                          "baseon Main\n"
                                          "B,b say @gB@/@ab@/@rTall@/@tb,b@/@gD@/@gQ@/@xB@/@@/@g\n");
    const CGeneticsSection* coat = config.Section(1);
    // A gene's own code in its description is not expanded again.
    EXPECT_TEXT(config.Section(0)->m_geneDescriptions[1], "Brown @gB@ locus");
    EXPECT_TEXT(coat->m_ruleTexts[coat->GetRuleCount() - 1],
                "Brown @gB@ locus/chocolate/above ten/\"liver nose\"//@gQ@/@xB@/@@/@g");
}

TEST(ConfigFormat, NotesCodes)
{
    EnsureDefaultTerms();
    CTestConfig config(BasicGenesText() + "B,B assumed\n"
                                          "D,d assumedifmale\n"
                                          "E,e assumediffemale\n"
                                          "E,E assumedifmale\n"
                                          "notes Distribution %%d B%% and %%d Height%%.\n"
                                          "notes Assumed %%a B%%, %%a D%%, %%a E%%, [%%a Xo%%]\n"
                                          "notes Gone: [%%x B%%][%%%%] single %% stays\n");
    const CString male = ExpandTerms("[~MaleAnimalLetter~]");
    const CString female = ExpandTerms("[~FemaleAnimalLetter~]");
    CString expected = "Distribution B=60.00%  b=40.00%  and 5.\nAssumed BB, Dd" + male + ", EE" + male + "; Ee" +
                       female + ", []\nGone: [][] single %% stays";
    EXPECT_TEXT(config.m_config.m_strNotes, expected);
}

TEST(ConfigFormat, PhenotypeNotesCodes)
{
    EnsureDefaultTerms();
    CTestConfig config(BasicGenesText() + "always goto Coat\n"
                                          "notes %%p b,b%% | %%p B,B Xo,xo%% | %%p Xo%% | %%p D,d%%\n"
                                          "[rules Coat]\n"
                                          "baseon Main\n"
                                          "B,B assumed\n"
                                          "b,b say Brown\n"
                                          "B,- say Black\n"
                                          "Xo,xo carries xo\n"
                                          "D,d say %%zz%%\n");
    const CString expected = "b,b: Brown | B,B Xo,xo: Black " + ExpandTerms("~carrying~") + " xo" +
                             ExpandTerms(" [~FemaleAnimalLetter~]") + " | Xo: Black" +
                             ExpandTerms(" [~MaleAnimalLetter~]") + " | D,d: Black %%zz%%";
    EXPECT_TEXT(config.m_config.m_strNotes, expected);
}

TEST(ConfigFormat, LineNumbersCountEveryLineOfTheFileFromOne)
{
    // Blank lines, comment lines, header keys and the second line of a
    // continued statement all keep their numbers; CR LF ends a line like LF,
    // and a last line without a line end counts.
    const char* const body = "# comment\r\n"
                             "\r\n"
                             "desc A configuration\r\n"
                             "[genes Main]\r\n"
                             "gene B B, \\\r\n"
                             "b\r\n"
                             "\r\n"
                             "gene D D, d\r\n"
                             "bogus";
    const char* const expected = "line 9, unknown control line";
    CGeneticsConfig config;
    EXPECT_TEXT(ReadConfigText(config, body), expected);
    EXPECT_TEXT(LoadSealedConfigText(body), CString("Error in Genetics.Gen, ") + expected);
    EXPECT_TEXT(LoadSealedConfigText(CString(body) + "\r\n"), CString("Error in Genetics.Gen, ") + expected);
    EXPECT_TEXT(LoadSealedConfigText(CString(body) + "\n\n"), CString("Error in Genetics.Gen, ") + expected);
}

TEST(ConfigFormat, EveryGeneKindDeclaresAGeneOrAPolygene)
{
    const char* const geneKinds[] = {"gene", "coatcolourgene", "coatcolorgene", "colourgene", "colorgene",
                                     "coatpatterngene", "patterngene", "eyecolourgene", "eyecolorgene",
                                     "defectgene", "diseasegene", "BreedGene"};
    const char* const polygeneKinds[] = {"polygene", "coatcolourpolygene", "coatcolorpolygene", "colourpolygene",
                                         "colorpolygene", "coatpatternpolygene", "patternpolygene",
                                         "eyecolourpolygene", "eyecolorpolygene", "defectpolygene",
                                         "diseasepolygene", "BREEDPOLYGENE"};
    for (const char* kind : geneKinds)
    {
        CGeneticsConfig config;
        EXPECT_TEXT(ReadConfigText(config, CString("[genes Main]\n") + kind + " G A, a\n"), "") << kind;
        ASSERT_EQ(config.GetSectionCount(), 1) << kind;
        EXPECT_FALSE(config.GetSection(0)->GetGeneDef(1)->IsPolygene()) << kind;
        EXPECT_EQ(config.GetSection(0)->GetSymbolCount(), 2u) << kind;
    }
    for (const char* kind : polygeneKinds)
    {
        CGeneticsConfig config;
        EXPECT_TEXT(ReadConfigText(config, CString("[genes Main]\n") + kind + " P places=1 ranges=0,S,1\n"), "")
            << kind;
        ASSERT_EQ(config.GetSectionCount(), 1) << kind;
        EXPECT_TRUE(config.GetSection(0)->GetGeneDef(1)->IsPolygene()) << kind;
        EXPECT_EQ(config.GetSection(0)->GetGeneDef(1)->m_nPlaces, 1) << kind;
    }
}
