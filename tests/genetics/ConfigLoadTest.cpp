// Loading "Genetics.Gen" through the sealed-file reader, and the plain text
// of the same configuration through the reader. The sealed files were made
// with tools/seal from tests/data/genetics/Full.txt: load/valid as it is,
// load/broken with the probability on line 21 written as "seven", and
// load/corrupt as load/valid with byte 20 changed.
#include "GeneticsTestSupport.h"

#include "foundation/files/FileErrors.h"
#include "foundation/files/PathText.h"
#include "foundation/files/ProgramFolder.h"
#include "foundation/terminology/TermsMap.h"
#include "genetics/ConfigurationFile.h"
#include "genetics/ExpandTerms.h"
#include "genetics/GeneticsConfigLoad.h"

namespace
{
CStringArray ReportedErrors;

void CollectError(const CString& text)
{
    ReportedErrors.Add(text);
}

class ConfigLoad : public ::testing::Test
{
protected:
    ConfigLoad()
    {
        EnsureDefaultTerms();
        m_savedFolder = ProgramFolder;
        m_savedSink = SetGeneticsErrorSink(&CollectError);
        ReportedErrors.RemoveAll();
        ReleaseGeneticsConfig();
        GeneticsConfigLoadFailed = FALSE;
    }
    ~ConfigLoad() override
    {
        ReleaseGeneticsConfig();
        GeneticsConfigLoadFailed = FALSE;
        SetGeneticsErrorSink(m_savedSink);
        ProgramFolder = m_savedFolder;
    }

    void UseFolder(const char* folder) { ProgramFolder = GeneticsDataPath(folder); }
    CString ConfigPath() const
    {
        CString path;
        GetGeneticsConfigPath(&path, NULL, NULL);
        return path;
    }

    CString m_savedFolder;
    GeneticsErrorSink m_savedSink;
};

void CheckFullConfiguration(const CGeneticsConfig& config)
{
    EXPECT_TEXT(config.m_strDescription, "Full test configuration\nSecond description line");
    EXPECT_TEXT(config.m_strVersion, "3.2");
    const CString expectedNotes = "Assumed at B: BB; at D: Dd" + ExpandTerms("[~MaleAnimalLetter~]") + "; DD" +
                                  ExpandTerms("[~FemaleAnimalLetter~]") + ".\nDistribution: B=70.00%  b=30.00% \n" +
                                  "Example: B,b E,e: Black" + ExpandTerms(" ~carrying~ ") + "Brown";
    EXPECT_TEXT(config.m_strNotes, expectedNotes);
    ASSERT_EQ(config.GetSectionCount(), 2);
    const CGeneticsSection* dog = config.GetSection(0);
    const CGeneticsSection* coat = config.GetSection(1);
    EXPECT_EQ(dog->GetGeneCount(), 6u);
    EXPECT_EQ(dog->GetGeneDef(dog->FindGene("Hm"))->m_nSexLinkage, SEXLINK_SHARED);
    EXPECT_EQ(dog->GetGeneDef(dog->FindGene("Yg"))->m_nSexLinkage, SEXLINK_UNSHARED);
    EXPECT_DOUBLE_EQ(dog->GetGeneDef(dog->FindGene("D"))->m_dMaleCrossover, 0.075);
    EXPECT_EQ(dog->GetRuleCount(), 9);
    EXPECT_EQ(coat->GetRuleCount(), 8 + 7);
    EXPECT_TEXT(coat->m_ruleTexts[coat->GetRuleCount() - 3], "Yellow Brown locus");
}
} // namespace

TEST_F(ConfigLoad, PlainTextThroughTheReader)
{
    CGeneticsConfig config;
    EXPECT_TEXT(ReadConfigDataFile(config, "Full.txt"), "");
    CheckFullConfiguration(config);
}

TEST_F(ConfigLoad, SealedFileBecomesTheCurrentConfiguration)
{
    UseFolder("load/valid");
    EXPECT_TEXT(GetGeneticsConfigError(), GeneticsConfigStatusMessage);
    EXPECT_TRUE(LoadGeneticsConfig(FALSE, TRUE));
    ASSERT_TRUE(CurrentGeneticsConfig != NULL);
    CheckFullConfiguration(*CurrentGeneticsConfig);
    EXPECT_TEXT(GetGeneticsConfigError(), "");
    EXPECT_EQ(ReportedErrors.GetSize(), 0);

    // A second load without force reads nothing.
    CGeneticsConfig* first = CurrentGeneticsConfig;
    EXPECT_TRUE(LoadGeneticsConfig(FALSE, TRUE));
    EXPECT_EQ(CurrentGeneticsConfig, first);
    EXPECT_TRUE(LoadGeneticsConfig(TRUE, TRUE));
    EXPECT_TRUE(CurrentGeneticsConfig != NULL);

    ExitGenetics();
    EXPECT_TRUE(CurrentGeneticsConfig == NULL);
}

TEST_F(ConfigLoad, ConfigurationErrorIsReportedWithTheFileName)
{
    UseFolder("load/broken");
    EXPECT_FALSE(LoadGeneticsConfig(TRUE, TRUE));
    EXPECT_TRUE(CurrentGeneticsConfig == NULL);
    EXPECT_TRUE(GeneticsConfigLoadFailed);
    ASSERT_EQ(ReportedErrors.GetSize(), 1);
    EXPECT_TEXT(ReportedErrors[0], "Error in Genetics.Gen, line 21, invalid crossover probability 'seven'");

    // Without force a failed load is not tried again, and nothing is shown.
    UseFolder("load/valid");
    EXPECT_FALSE(LoadGeneticsConfig(FALSE, TRUE));
    EXPECT_EQ(ReportedErrors.GetSize(), 1);
    EXPECT_TRUE(LoadGeneticsConfig(TRUE, TRUE));
}

TEST_F(ConfigLoad, ReadFailuresAreFileErrors)
{
    UseFolder("load/corrupt");
    EXPECT_FALSE(LoadGeneticsConfig(TRUE, TRUE));
    ASSERT_EQ(ReportedErrors.GetSize(), 1);
    EXPECT_TEXT(ReportedErrors[0], FormatFileError(5, ConfigPath(), 13));

    UseFolder("load");
    EXPECT_FALSE(LoadGeneticsConfig(TRUE, TRUE));
    ASSERT_EQ(ReportedErrors.GetSize(), 2);
    EXPECT_TEXT(ReportedErrors[1], FormatFileError(20, ConfigPath(), 13));

    // Without report nothing is shown.
    EXPECT_FALSE(LoadGeneticsConfig(TRUE, FALSE));
    EXPECT_EQ(ReportedErrors.GetSize(), 2);
}

TEST_F(ConfigLoad, PathsAndLetters)
{
    UseFolder("load/valid");
    CString path, name;
    int kind = 0;
    GetGeneticsConfigPath(&path, &name, &kind);
    EXPECT_TEXT(path, JoinPath(ProgramFolder, "Genetics.Gen"));
    EXPECT_TEXT(name, "Genetics.Gen");
    EXPECT_EQ(kind, 13);
    EXPECT_TEXT(GetStandardConfigFolder(), JoinPath(ProgramFolder, "Configurations"));

    LoadGeneticsConfig(FALSE, FALSE);
    EXPECT_TEXT(MaleLetterText, ExpandTerms("~MaleLetter~"));
    EXPECT_TEXT(MaleLetterSuffix, " (" + MaleLetterText + ")");
    EXPECT_TEXT(FemaleLetterSuffix, " (" + FemaleLetterText + ")");
}

TEST_F(ConfigLoad, SexLetterTextsFollowTheTerminologyAtTheNextLoad)
{
    UseFolder("load/valid");
    LoadGeneticsConfig(FALSE, FALSE);
    const CString before = MaleLetterSuffix;
    const CString savedLetter = ExpandTerms("~MaleLetter~");
    SetTerm("MaleLetter", "R", FALSE);
    // Renaming the letter changes nothing until the configuration is loaded again.
    EXPECT_TEXT(MaleLetterSuffix, before);
    LoadGeneticsConfig(FALSE, FALSE);
    EXPECT_TEXT(MaleLetterText, "R");
    EXPECT_TEXT(MaleLetterSuffix, " (R)");
    SetTerm("MaleLetter", savedLetter, FALSE);
    LoadGeneticsConfig(FALSE, FALSE);
    EXPECT_TEXT(MaleLetterSuffix, before);
}

// The command-line reader takes plain text as well as sealed files. A damaged
// sealed file used to be read as text and blamed for a missing section header.
TEST(ConfigurationFile, SealedFilesAreOnlyUnsealedAndPlainTextIsRead)
{
    EnsureDefaultTerms();
    const struct
    {
        const char* name;
        int error;  // file error code, 0 for none
    } cases[] = {{"Full.txt", 0}, {"load/valid/Genetics.Gen", 0}, {"load/corrupt/Genetics.Gen", FILE_ERROR_READ},
                 {"load/missing.txt", FILE_ERROR_OPEN_READ}};
    for (const auto& c : cases)
    {
        const CString path = GeneticsDataPath(c.name);
        CStringArray lines;
        const CString error = ReadConfigurationFile(path, lines);
        EXPECT_TEXT(error, c.error != 0 ? FormatFileError(c.error, path, GENETICS_CONFIG_FILE_KIND) : CString()) << c.name;
        if (c.error != 0)
            continue;
        CGeneticsConfig config;
        EXPECT_TEXT(config.Read(lines), "") << c.name;
        CheckFullConfiguration(config);
    }
}
