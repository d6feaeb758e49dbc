#include "foundation/settings/ProfileExchange.h"
#include "foundation/settings/SettingsExchangers.h"

#include "support/MessageBoxAnswerer.h"
#include "support/TestApp.h"
#include "support/TestRegistryKey.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
    const char profileName[] = "KestrovaSettingsTest";

    int loads[3];
    int saves[3];

    // One persisted setting of each kind, exchanged by the first exchanger.
    int level = 0;
    int colour = 0;
    CString breed;
    CNumberMap answers;
    const char* section = "Preferences";

    int ExchangeFirst(DWORD, BOOL load)
    {
        ++(load ? loads : saves)[0];
        ExchangeProfileInt(NULL, load, section, "Level", 3, level, NULL);
        ExchangeProfileIntAsText(NULL, load, section, "Colour", (int)0xFF000000, colour, NULL);
        ExchangeProfileString(NULL, load, section, "Breed", "Labrador", breed, NULL);
        ExchangeProfileMap(NULL, load, "MessageBoxes", "Settings", NULL, answers, NULL);
        return 0;
    }

    int ExchangeSecond(DWORD, BOOL load)
    {
        ++(load ? loads : saves)[1];
        return 0;
    }

    int ExchangeThird(DWORD, BOOL load)
    {
        ++(load ? loads : saves)[2];
        return 0;
    }

    const char saveQuestion[] = "Settings have been changed.\n\nDo you want to save the new settings permanently?";

    class SettingsExchangeTest : public ::testing::Test
    {
    protected:
        SettingsExchangeTest() : m_registry(profileName), m_app(profileName)
        {
            ClearSettingsExchangers();
            SettingsChangedFlag = FALSE;
            section = "Preferences";
            for (int i = 0; i < 3; ++i)
                loads[i] = saves[i] = 0;
        }
        ~SettingsExchangeTest() override
        {
            ClearSettingsExchangers();
            SettingsChangedFlag = FALSE;
        }

        CTestRegistryKey m_registry;
        CTestApp m_app;
    };
}

TEST_F(SettingsExchangeTest, EachExchangerIsLoadedOnceAndSavedEveryTime)
{
    RegisterSettingsExchanger(ExchangeFirst);
    RegisterSettingsExchanger(ExchangeSecond);
    CallSettingsExchangers(TRUE);
    CallSettingsExchangers(TRUE);
    EXPECT_EQ(loads[0], 1);
    EXPECT_EQ(loads[1], 1);

    RegisterSettingsExchanger(ExchangeThird);
    CallSettingsExchangers(TRUE);
    EXPECT_EQ(loads[0], 1);
    EXPECT_EQ(loads[2], 1);

    CallSettingsExchangers(FALSE);
    CallSettingsExchangers(FALSE);
    EXPECT_EQ(saves[0], 2);
    EXPECT_EQ(saves[1], 2);
    EXPECT_EQ(saves[2], 2);
}

TEST_F(SettingsExchangeTest, ATableOfThirtyTwoRefusesMore)
{
    for (int i = 0; i < MAX_SETTINGS_EXCHANGERS; ++i)
        EXPECT_TRUE(RegisterSettingsExchanger(ExchangeSecond));
    EXPECT_FALSE(RegisterSettingsExchanger(ExchangeThird));
    CallSettingsExchangers(TRUE);
    EXPECT_EQ(loads[1], MAX_SETTINGS_EXCHANGERS);
    EXPECT_EQ(loads[2], 0);
}

TEST_F(SettingsExchangeTest, ProfileValuesRoundTripThroughTheExchangers)
{
    RegisterSettingsExchanger(ExchangeFirst);
    CallSettingsExchangers(TRUE);
    EXPECT_EQ(level, 3);
    EXPECT_EQ(colour, (int)0xFF000000);
    EXPECT_STREQ(breed, "Labrador");
    EXPECT_EQ(answers.GetCount(), 0);

    level = 5;
    colour = 0x00FF8000;
    breed = "Border Collie";
    answers["RunHelpPrompt"] = -7;
    CallSettingsExchangers(FALSE);
    std::string stored;
    ASSERT_TRUE(m_registry.GetString("Preferences", "Colour", stored));
    EXPECT_EQ(stored, "16744448");

    level = 0;
    colour = 0;
    breed.Empty();
    answers.RemoveAll();
    ClearSettingsExchangers();
    RegisterSettingsExchanger(ExchangeFirst);
    CallSettingsExchangers(TRUE);
    EXPECT_EQ(level, 5);
    EXPECT_EQ(colour, 0x00FF8000);
    EXPECT_STREQ(breed, "Border Collie");
    int answer = 0;
    EXPECT_TRUE(answers.Lookup("RunHelpPrompt", answer));
    EXPECT_EQ(answer, -7);
}

TEST_F(SettingsExchangeTest, SavingAsksWhenToldAndKeepsTheFlagUnlessSaved)
{
    RegisterSettingsExchanger(ExchangeFirst);
    CMessageBoxAnswerer answerer(IDYES);
    EXPECT_TRUE(SaveChangedSettings(TRUE));
    EXPECT_EQ(answerer.Count(), 0);
    EXPECT_EQ(saves[0], 0);

    SettingsChangedFlag = TRUE;
    answerer.SetAnswer(IDNO);
    EXPECT_TRUE(SaveChangedSettings(TRUE));
    EXPECT_EQ(answerer.LastText(), saveQuestion);
    EXPECT_EQ(saves[0], 0);
    EXPECT_TRUE(SettingsChangedFlag);

    answerer.SetAnswer(IDCANCEL);
    EXPECT_FALSE(SaveChangedSettings(TRUE));
    EXPECT_EQ(saves[0], 0);
    EXPECT_TRUE(SettingsChangedFlag);

    answerer.SetAnswer(IDYES);
    EXPECT_TRUE(SaveChangedSettings(TRUE));
    EXPECT_EQ(saves[0], 1);
    EXPECT_FALSE(SettingsChangedFlag);
    EXPECT_EQ(answerer.Count(), 3);

    SettingsChangedFlag = TRUE;
    EXPECT_TRUE(SaveChangedSettings(FALSE));
    EXPECT_EQ(saves[0], 2);
    EXPECT_EQ(answerer.Count(), 3);
}

TEST_F(SettingsExchangeTest, AFailedWriteKeepsTheSettingsMarkedAsChanged)
{
    // A section name longer than a registry key name may be cannot be written.
    std::string tooLong(300, 'P');
    section = tooLong.c_str();
    RegisterSettingsExchanger(ExchangeFirst);
    SettingsChangedFlag = TRUE;
    EXPECT_TRUE(SaveChangedSettings(FALSE));
    EXPECT_EQ(saves[0], 1);
    EXPECT_TRUE(SettingsChangedFlag);

    section = "Preferences";
    EXPECT_TRUE(SaveChangedSettings(FALSE));
    EXPECT_FALSE(SettingsChangedFlag);
}

TEST_F(SettingsExchangeTest, DialogCopiesMarkOnlyRealChangesOfPersistedSettings)
{
    int variable = 4;
    int copy = 0;
    int changed = 0;
    ExchangeProfileInt(&changed, TRUE, "Preferences", "Level", 1, variable, &copy);
    EXPECT_EQ(copy, 4);
    ExchangeProfileInt(&changed, FALSE, "Preferences", "Level", 1, variable, &copy);
    EXPECT_EQ(changed, 0);
    EXPECT_FALSE(SettingsChangedFlag);

    copy = 6;
    ExchangeProfileInt(&changed, FALSE, "Preferences", "Level", 1, variable, &copy);
    EXPECT_EQ(variable, 6);
    EXPECT_EQ(changed, 1);
    EXPECT_TRUE(SettingsChangedFlag);

    SettingsChangedFlag = FALSE;
    CString text = "a";
    CString textCopy = "b";
    ExchangeProfileString(NULL, FALSE, "Preferences", NULL, "", text, &textCopy);
    EXPECT_STREQ(text, "b");
    EXPECT_FALSE(SettingsChangedFlag);

    CNumberMap map;
    CNumberMap mapCopy;
    mapCopy["Key"] = 1;
    changed = 0;
    ExchangeProfileMap(&changed, FALSE, "MessageBoxes", "Settings", NULL, map, &mapCopy);
    EXPECT_EQ(changed, 1);
    EXPECT_TRUE(SettingsChangedFlag);
    EXPECT_TRUE(IsStringMapEqual(map, mapCopy));
    changed = 0;
    ExchangeProfileMap(&changed, FALSE, "MessageBoxes", "Settings", NULL, map, &mapCopy);
    EXPECT_EQ(changed, 0);
}

TEST_F(SettingsExchangeTest, UpdatesReportWhetherTheValueChanged)
{
    CString empty;
    EXPECT_EQ(UpdateSettingString(empty, NULL, TRUE), 0);
    EXPECT_EQ(UpdateSettingString(empty, "x", FALSE), 1);
    EXPECT_FALSE(SettingsChangedFlag);
    EXPECT_EQ(UpdateSettingString(empty, "X", TRUE), 1);
    EXPECT_TRUE(SettingsChangedFlag);
    int number = 1;
    EXPECT_EQ(UpdateSettingInt(number, 1, TRUE), 0);
    EXPECT_EQ(UpdateSettingInt(number, 2, TRUE), 1);
    EXPECT_EQ(number, 2);
}
