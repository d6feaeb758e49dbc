#include "foundation/files/ProgramFolder.h"
#include "foundation/terminology/TerminologyDefaults.h"
#include "foundation/terminology/TerminologySetup.h"
#include "foundation/terminology/TermsMap.h"
#include "foundation/terminology/TokenExpander.h"

#include "support/TestRegistryKey.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
    const char testFolderWord[] = "KestrovaTerminologyTest";

    CString Expand(const char* text)
    {
        CString result;
        ExpandTokens(text, result);
        return result;
    }

    // Start-up's order: product terms, the spelling words, then the defaults.
    class TerminologySetupTest : public ::testing::Test
    {
    protected:
        TerminologySetupTest() : m_registry(testFolderWord), m_savedProgramFolder(ProgramFolder)
        {
            TermsMap.RemoveAll();
            ReleaseRenamableTerms();
        }
        ~TerminologySetupTest() override
        {
            TermsMap.RemoveAll();
            ReleaseRenamableTerms();
            ProgramFolder = m_savedProgramFolder;
        }

        void StartUp(bool american)
        {
            InitProductTerms();
            // The user's wording is read below this test's own registry root.
            SetTerm("AppDir", testFolderWord, TRUE);
            struct Spelling
            {
                const char* british;
                const char* american;
            };
            const Spelling words[] = {
                {"Colour", "Color"}, {"Colours", "Colors"}, {"Grey", "Gray"},
                {"Surname", "Last Name"}, {"Forename", "First Name"},
            };
            for (const Spelling& word : words)
                SetTerm(word.british, american ? word.american : word.british, TRUE);
            ProgramFolder = "C:\\Program Files\\Kestrova";
            InitDefaultTerms();
        }

        void SetUserWording(const char* word, DWORD type, const char* data, DWORD size)
        {
            ASSERT_TRUE(m_registry.SetRaw("Terminology", word, type, data, size));
        }

        CTestRegistryKey m_registry;
        CString m_savedProgramFolder;
    };
}

TEST(TerminologyDefaultsTest, TablesHoldEveryTermOnce)
{
    EXPECT_EQ(DefaultTermCount, 84);
    EXPECT_EQ(RenamableTermCount, 12);
    EXPECT_STREQ(DefaultTermTable[0].name, "ext");
    EXPECT_STREQ(DefaultTermTable[83].name, "Unknown");
    for (int i = 0; i < DefaultTermCount; ++i)
        for (int k = i + 1; k < DefaultTermCount; ++k)
            EXPECT_STRNE(DefaultTermTable[i].name, DefaultTermTable[k].name);
}

TEST_F(TerminologySetupTest, ProductTermsAreKnownFirst)
{
    InitProductTerms();
    EXPECT_STREQ(Expand("~Config~ ~config~ ~CONFIG~"), "Zelko zelko ZELKO");
    EXPECT_STREQ(Expand("~AppName~"), "Kestrova");
    EXPECT_STREQ(Expand("~FullAppName~"), "Kestrova for Vodi 2");
    EXPECT_STRNE(Expand("~AppDir~"), "AppDir");
    EXPECT_STRNE(Expand("~mirolfdomain~"), "mirolfdomain");
    EXPECT_STREQ(Expand("Software\\Mirolf Technologies Ltd\\~AppDir~\\"), "Software\\Mirolf Technologies Ltd\\Kestrova\\");
}

TEST_F(TerminologySetupTest, AmericanSpellingReachesTheDefaults)
{
    StartUp(true);
    EXPECT_STREQ(Expand("~CoatColour~"), "Color");
    EXPECT_STREQ(Expand("~EyeColours~"), "Eye Colors");
    EXPECT_STREQ(Expand("~colour~"), "color");
    EXPECT_STREQ(Expand("~Surname~"), "Last Name");
    EXPECT_STREQ(Expand("~InstDir~"), "C:\\Program Files\\Kestrova");
}

TEST_F(TerminologySetupTest, BritishSpellingAndDefaultsWithVariants)
{
    StartUp(false);
    EXPECT_STREQ(Expand("~CoatColour~"), "Colour");
    EXPECT_STREQ(Expand("~EyeColours~"), "Eye Colours");
    EXPECT_STREQ(Expand("~notgiven~ / ~Notgiven~"), "not given / Not Given");
    EXPECT_STREQ(Expand("~ext~ / ~Ext~"), "txt / Txt");
    EXPECT_STREQ(Expand("~Offspringexpected~"), "Children may be expected on or about");
    EXPECT_STREQ(Expand("~inbreedingcoefficient~"), "inbreeding coefficient");

    // Renamable words that nothing defined show their own names, and the key
    // for the user's wording now exists, empty.
    EXPECT_STREQ(Expand("~Address~ ~UserDefined~"), "Address UserDefined");
    EXPECT_TRUE(m_registry.Exists("Terminology"));
    ASSERT_EQ(GetRenamableTerms().size(), 12u);
    EXPECT_STREQ(GetRenamableTerms()[2].name, "Colour");
    EXPECT_STREQ(GetRenamableTerms()[2].text, "Colour");
}

TEST_F(TerminologySetupTest, UserWordingFromTheRegistryWinsAfterTheDefaults)
{
    SetUserWording("Colour", REG_SZ, "Shade", 6);
    SetUserWording("Forename", REG_SZ, "~AppName~ name", 15);
    SetUserWording("Surname", REG_SZ, "", 1);
    SetUserWording("Initials", REG_SZ, "", 0);
    SetUserWording("Address", REG_EXPAND_SZ, "%HOME%", 7);
    SetUserWording("Organisation", REG_DWORD, "\1\0\0\0", 4);
    StartUp(true);

    EXPECT_STREQ(Expand("~Colour~ ~colour~"), "Shade shade");
    // Defaults were expanded before the user's wording was applied.
    EXPECT_STREQ(Expand("~CoatColour~ ~EyeColour~"), "Color Eye Color");
    EXPECT_STREQ(Expand("~Forename~"), "~AppName~ name");
    EXPECT_STREQ(Expand("[~Surname~][~surname~]"), "[][]");
    EXPECT_STREQ(Expand("~Initials~ ~Address~ ~Organisation~"), "Initials Address Organisation");
}
