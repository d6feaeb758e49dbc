// The standard configurations shipped in configurations/: each loads, and the
// textbook ratios come out of their predictions.
#include "ShippedConfiguration.h"

namespace
{
// The summed share of the phenotypes that begin with a word.
double PhenotypeShare(const CMatingResult& result, const char* prefix)
{
    double share = 0.0;
    for (int i = 0; i < result.GetItemCount(RESULT_LIST_PHENOTYPES); i++)
    {
        const CMatingResultItem* item = result.GetItem(RESULT_LIST_PHENOTYPES, i);
        if (item->m_strText.Find(prefix) == 0)
            share += item->m_dProbability;
    }
    return share;
}
}  // namespace

TEST(StandardConfigurations, EveryShippedConfigurationLoadsWithItsTexts)
{
    const std::vector<CString> names = ShippedConfigurations();
    EXPECT_GE(names.size(), 5u);
    for (const CString& name : names)
    {
        SCOPED_TRACE((LPCTSTR)name);
        CGeneticsConfig config;
        ASSERT_STREQ((LPCTSTR)LoadShippedConfiguration(config, name), "");
        EXPECT_FALSE(config.m_strDescription.IsEmpty());
        EXPECT_FALSE(config.m_strNotes.IsEmpty());
        EXPECT_TEXT(config.m_strVersion, "1.0");
        EXPECT_LT(config.m_strNotes.Find("%%"), 0) << "every notes code is replaced";
        EXPECT_LT(config.m_strNotes.Find("Unknown phenotype"), 0) << "the example genotypes deduce a phenotype";
        // The title stands apart from the description, and the notes keep
        // their paragraphs and say what the file models and leaves out.
        EXPECT_GT(config.GetDescription().Find("\r\n"), 0) << (LPCTSTR)config.GetDescription();
        EXPECT_GT(config.m_strNotes.Find("\n\n"), 0);
        EXPECT_GE(config.m_strNotes.Find("What this configuration models"), 0);
        EXPECT_GE(config.m_strNotes.Find("What it leaves out"), 0);
        ASSERT_TRUE(config.FindFirstRulesSection() != NULL);
    }
}

TEST(StandardConfigurations, LabradorDoubleHeterozygotesGiveNineBlackThreeChocolateFourYellow)
{
    CShippedConfiguration labrador("Labrador.txt");
    CMatingResult result;
    labrador.Predict(result, "Ee Bb", "Ee Bb");
    EXPECT_DOUBLE_EQ(PhenotypeShare(result, "Black"), 9.0 / 16.0);
    EXPECT_DOUBLE_EQ(PhenotypeShare(result, "Chocolate"), 3.0 / 16.0);
    EXPECT_DOUBLE_EQ(PhenotypeShare(result, "Yellow"), 4.0 / 16.0);
    // Of the yellows, the b/b quarter has a liver nose.
    EXPECT_DOUBLE_EQ(ItemShare(result, RESULT_LIST_PHENOTYPES, "Yellow (liver nose)"), 1.0 / 16.0);
    ExpectPredictionsAgree(labrador.m_pGenes, labrador.Parent("Ee Bb", SEX_FEMALE), labrador.Parent("Ee Bb", SEX_MALE));
}

TEST(StandardConfigurations, TwoYellowLabradorsHaveOnlyYellowPuppies)
{
    CShippedConfiguration labrador("Labrador.txt");
    CMatingResult result;
    labrador.Predict(result, "ee Bb", "ee bb");
    EXPECT_DOUBLE_EQ(PhenotypeShare(result, "Yellow"), 1.0);
}

TEST(StandardConfigurations, CarrierMotherHasHalfHerSonsAffectedInEveryConfiguration)
{
    for (const CString& name : ShippedConfigurations())
    {
        SCOPED_TRACE((LPCTSTR)name);
        CShippedConfiguration shipped(name);
        CMatingResult result;
        shipped.Predict(result, "XHXh", "XH");
        double sons = 0.0;
        double affectedSons = 0.0;
        double carrierDaughters = 0.0;
        double daughters = 0.0;
        for (int i = 0; i < result.GetOffspringCount(); i++)
        {
            const CPredictedOffspring* offspring = result.GetOffspring(i);
            if (offspring->m_nSex == (UINT)SEX_MALE)
            {
                sons += offspring->m_dProbability;
                if (offspring->GetPhenotype().Find("hemophilia A") >= 0)
                    affectedSons += offspring->m_dProbability;
            }
            else if (offspring->m_nSex == (UINT)SEX_FEMALE)
            {
                daughters += offspring->m_dProbability;
                EXPECT_LT(offspring->GetPhenotype().Find("hemophilia A"), 0);
                if (offspring->m_strCarriedTraits.Find("hemophilia A") >= 0)
                    carrierDaughters += offspring->m_dProbability;
            }
        }
        EXPECT_DOUBLE_EQ(sons, 0.5);
        EXPECT_DOUBLE_EQ(affectedSons / sons, 0.5);
        EXPECT_DOUBLE_EQ(carrierDaughters / daughters, 0.5);
    }
}

TEST(StandardConfigurations, HarlequinMatingsLoseTheLethalDoubleHarlequins)
{
    CShippedConfiguration dane("GreatDane.txt");
    CMatingResult result;
    dane.Predict(result, "Mm Hh", "Mm Hh");
    for (int i = 0; i < result.GetOffspringCount(); i++)
        EXPECT_FALSE(dane.m_pGenes->IsLethal(result.GetOffspring(i)->m_genotype));
    // Mm (1/2) with Hh (2/3 of the surviving H genotypes).
    EXPECT_NEAR(PhenotypeShare(result, "Harlequin"), 1.0 / 3.0, 1e-12);
    EXPECT_NEAR(PhenotypeShare(result, "Double merle"), 1.0 / 4.0, 1e-12);
}

TEST(StandardConfigurations, TwoBobtailedAussiesHaveTwoThirdsBobtailedPuppies)
{
    CShippedConfiguration herding("BorderCollieAussie.txt");
    CMatingResult result;
    herding.Predict(result, "Nbtnbt", "Nbtnbt");
    double bobtailed = 0.0;
    for (int i = 0; i < result.GetItemCount(RESULT_LIST_PHENOTYPES); i++)
    {
        if (result.GetItem(RESULT_LIST_PHENOTYPES, i)->m_strText.Find("natural bobtail") >= 0)
            bobtailed += result.GetItem(RESULT_LIST_PHENOTYPES, i)->m_dProbability;
    }
    EXPECT_NEAR(bobtailed, 2.0 / 3.0, 1e-12);
}

TEST(StandardConfigurations, GeneralConfigurationNamesTheCoatThroughTheMaskingLoci)
{
    CShippedConfiguration general("GeneralCanine.txt");
    EXPECT_TEXT(general.Phenotype("", SEX_FEMALE), "Black and tan");
    EXPECT_TEXT(general.Phenotype("bb", SEX_FEMALE), "Chocolate and tan");
    EXPECT_TEXT(general.Phenotype("ee Bb", SEX_FEMALE), "Yellow/red");
    EXPECT_TEXT(general.Phenotype("ee dd bb", SEX_FEMALE), "Dilute yellow/red (light liver nose)");
    EXPECT_TEXT(general.Phenotype("kyky atat", SEX_FEMALE), "Black and tan");
    EXPECT_TEXT(general.Phenotype("kyky ayat EmE", SEX_FEMALE), "Fawn/sable (black mask)");
    EXPECT_TEXT(general.Phenotype("kbrky ayay", SEX_FEMALE), "Fawn/sable (brindle)");
    EXPECT_TEXT(general.Phenotype("Mm", SEX_FEMALE), "Blue merle and tan");
    EXPECT_TEXT(general.Phenotype("Mm ee", SEX_FEMALE), "Yellow/red");
    EXPECT_TEXT(general.Phenotype("spsp", SEX_FEMALE), "Black and tan (piebald)");
    EXPECT_TEXT(general.Phenotype("Xh", SEX_MALE), "Black and tan (hemophilia A)");
    EXPECT_TEXT(general.Phenotype("Mm ee Bb", SEX_FEMALE, 2), "chocolate + merle (hidden by e,e)");
}

TEST(StandardConfigurations, BrownAndDiluteGiveNineThreeThreeOne)
{
    CShippedConfiguration general("GeneralCanine.txt");
    CMatingResult result;
    general.Predict(result, "Bb Dd", "Bb Dd");
    EXPECT_DOUBLE_EQ(ItemShare(result, RESULT_LIST_PHENOTYPES, "Black and tan"), 9.0 / 16.0);
    EXPECT_DOUBLE_EQ(ItemShare(result, RESULT_LIST_PHENOTYPES, "Chocolate and tan"), 3.0 / 16.0);
    EXPECT_DOUBLE_EQ(ItemShare(result, RESULT_LIST_PHENOTYPES, "Blue and tan"), 3.0 / 16.0);
    EXPECT_DOUBLE_EQ(ItemShare(result, RESULT_LIST_PHENOTYPES, "Isabella and tan"), 1.0 / 16.0);
}

TEST(StandardConfigurations, DominantBlackHidesThePatternOfHalfThePuppies)
{
    CShippedConfiguration general("GeneralCanine.txt");
    CMatingResult result;
    general.Predict(result, "KBky atat", "kyky atat");
    EXPECT_DOUBLE_EQ(ItemShare(result, RESULT_LIST_PHENOTYPES, "Black"), 0.5);
    EXPECT_DOUBLE_EQ(ItemShare(result, RESULT_LIST_PHENOTYPES, "Black and tan"), 0.5);
    // Recessive red hides K and A alike.
    EXPECT_TEXT(general.Phenotype("ee kyky ayay", SEX_FEMALE), "Yellow/red");
}

TEST(StandardConfigurations, RecessiveDiseaseAndAffectedFatherOfAnXLinkedOne)
{
    CShippedConfiguration general("GeneralCanine.txt");
    CMatingResult carriers;
    general.Predict(carriers, "Sod1sod1", "Sod1sod1");
    EXPECT_DOUBLE_EQ(ItemShare(carriers, RESULT_LIST_PHENOTYPES, "Black and tan (at risk of degenerative myelopathy)"),
                     0.25);
    // The assumed black and tan hides nothing, so the carriers carry DM alone.
    EXPECT_DOUBLE_EQ(ItemShare(carriers, RESULT_LIST_CARRIED_TRAITS, "degenerative myelopathy"), 0.5);

    // An affected father gives every daughter his X: all carriers, all sons clear.
    CMatingResult affectedFather;
    general.Predict(affectedFather, "", "Xh");
    EXPECT_DOUBLE_EQ(ItemShare(affectedFather, RESULT_LIST_CARRIED_TRAITS, "hemophilia A" + FemaleLetterSuffix), 0.5);
    EXPECT_DOUBLE_EQ(ItemShare(affectedFather, RESULT_LIST_PHENOTYPES, "Black and tan"), 1.0);
}

TEST(StandardConfigurations, HerdingTricolourIsTanPointsWithWhiteTrim)
{
    CShippedConfiguration herding("BorderCollieAussie.txt");
    EXPECT_TEXT(herding.Phenotype("kyky atat sisi", SEX_FEMALE), "Black tricolour (tan points, white trim)");
    EXPECT_TEXT(herding.Phenotype("kyky atat Mm", SEX_FEMALE), "Blue merle and tan");
    EXPECT_TEXT(herding.Phenotype("sisi bb", SEX_FEMALE), "Red tricolour (tan points, white trim)");
    EXPECT_TEXT(herding.Phenotype("KBKB sisi bb", SEX_FEMALE), "Red with white trim");
    EXPECT_TEXT(herding.Phenotype("ee kyky atat sisi", SEX_FEMALE), "Australian red with white trim");
    EXPECT_TEXT(herding.Phenotype("Nbtnbt", SEX_FEMALE), "Black and tan (natural bobtail)");
}

TEST(StandardConfigurations, HarlequinPatchesTakeTheColourOfTheDane)
{
    CShippedConfiguration dane("GreatDane.txt");
    EXPECT_TEXT(dane.Phenotype("Mm Hh", SEX_FEMALE), "Harlequin (white with black patches)");
    EXPECT_TEXT(dane.Phenotype("Mm Hh dd", SEX_FEMALE), "Harlequin (white with blue patches)");
    EXPECT_TEXT(dane.Phenotype("Mm Hh kyky", SEX_FEMALE), "Harlequin (white with fawn or brindle patches)");
    EXPECT_TEXT(dane.Phenotype("Hh", SEX_FEMALE), "Black");
}
