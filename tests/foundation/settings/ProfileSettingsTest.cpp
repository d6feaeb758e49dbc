#include "foundation/settings/ProfileSettings.h"

#include "support/TestApp.h"
#include "support/TestRegistryKey.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
    const char profileName[] = "KestrovaProfileTest";

    class ProfileSettingsTest : public ::testing::Test
    {
    protected:
        ProfileSettingsTest() : m_registry(profileName), m_app(profileName) {}

        std::string Stored(const std::string& section, const char* entry)
        {
            std::string value;
            if (!m_registry.GetString(section, entry, value))
                return "(missing)";
            return value;
        }

        void StoreRaw(const std::string& section, const char* entry, const std::string& text)
        {
            ASSERT_TRUE(m_registry.SetRaw(section, entry, REG_SZ, text.c_str(), (DWORD)text.size() + 1));
        }

        CTestRegistryKey m_registry;
        CTestApp m_app;
    };

    std::string Pattern(int length)
    {
        std::string text;
        for (int i = 0; i < length; ++i)
            text += (char)('a' + (i * 7 + i / 26) % 26);
        return text;
    }
}

TEST_F(ProfileSettingsTest, NumbersAreStoredAsUnsignedText)
{
    EXPECT_TRUE(m_app.WriteProfileNumber("Preferences", "Colour", 0xFF000000));
    EXPECT_EQ(Stored("Preferences", "Colour"), "4278190080");
    EXPECT_EQ(m_app.GetProfileNumber("Preferences", "Colour", 7), 0xFF000000u);

    StoreRaw("Preferences", "Negative", "-1");
    StoreRaw("Preferences", "Empty", "");
    StoreRaw("Preferences", "Word", "blue");
    EXPECT_EQ(m_app.GetProfileNumber("Preferences", "Negative", 7), 7u);
    EXPECT_EQ(m_app.GetProfileNumber("Preferences", "Empty", 7), 7u);
    EXPECT_EQ(m_app.GetProfileNumber("Preferences", "Word", 7), 7u);
    EXPECT_EQ(m_app.GetProfileNumber("Preferences", "Missing", 7), 7u);
}

TEST_F(ProfileSettingsTest, ShortTextsStayInTheirEntry)
{
    EXPECT_TRUE(m_app.WriteProfileLongString("S", "E", ""));
    EXPECT_EQ(Stored("S", "E"), "0");
    EXPECT_STREQ(m_app.GetProfileLongString("S", "E", "default"), "");
    EXPECT_TRUE(m_app.WriteProfileLongString("S", "E", NULL));
    EXPECT_EQ(Stored("S", "E"), "0");

    EXPECT_TRUE(m_app.WriteProfileLongString("S", "E", "hello"));
    EXPECT_EQ(Stored("S", "E"), "5,b,hello");
    std::string eighty = Pattern(80);
    EXPECT_TRUE(m_app.WriteProfileLongString("S", "E", eighty.c_str()));
    EXPECT_EQ(Stored("S", "E"), "80,b," + eighty);
    EXPECT_STREQ(m_app.GetProfileLongString("S", "E", NULL), eighty.c_str());
    EXPECT_FALSE(m_registry.Exists("S_E_0"));
}

TEST_F(ProfileSettingsTest, LongTextsAreSplitIntoPieces)
{
    std::string text81 = Pattern(81);
    EXPECT_TRUE(m_app.WriteProfileLongString("MessageBoxes", "Settings", text81.c_str()));
    EXPECT_EQ(Stored("MessageBoxes", "Settings"), "81,a,2000");
    EXPECT_EQ(Stored("MessageBoxes_Settings_0", "value"), text81);
    EXPECT_STREQ(m_app.GetProfileLongString("MessageBoxes", "Settings", NULL), text81.c_str());

    std::string text4001 = Pattern(4001);
    EXPECT_TRUE(m_app.WriteProfileLongString("MessageBoxes", "Settings", text4001.c_str()));
    EXPECT_EQ(Stored("MessageBoxes", "Settings"), "4001,a,2000");
    EXPECT_EQ(Stored("MessageBoxes_Settings_0", "value"), text4001.substr(0, 2000));
    EXPECT_EQ(Stored("MessageBoxes_Settings_1", "value"), text4001.substr(2000, 2000));
    EXPECT_EQ(Stored("MessageBoxes_Settings_2", "value"), text4001.substr(4000));
    EXPECT_STREQ(m_app.GetProfileLongString("MessageBoxes", "Settings", NULL), text4001.c_str());

    // A shorter text removes the pieces the longer one left behind.
    EXPECT_TRUE(m_app.WriteProfileLongString("MessageBoxes", "Settings", text81.c_str()));
    EXPECT_TRUE(m_registry.Exists("MessageBoxes_Settings_0"));
    EXPECT_FALSE(m_registry.Exists("MessageBoxes_Settings_1"));
    EXPECT_FALSE(m_registry.Exists("MessageBoxes_Settings_2"));
    EXPECT_TRUE(m_app.WriteProfileLongString("MessageBoxes", "Settings", "short"));
    EXPECT_FALSE(m_registry.Exists("MessageBoxes_Settings_0"));
    EXPECT_STREQ(m_app.GetProfileLongString("MessageBoxes", "Settings", NULL), "short");
}

TEST_F(ProfileSettingsTest, DamagedHeadsAndPiecesGiveTheDefault)
{
    const char* const damagedHeads[] = {"abc", "5,c,hello", "0,b,", "x,b,hi", "5,b", "5bb,", "-3,b,abc", "9,a,0"};
    for (const char* head : damagedHeads)
    {
        StoreRaw("S", "E", head);
        EXPECT_STREQ(m_app.GetProfileLongString("S", "E", "default"), "default") << head;
    }
    StoreRaw("S", "E", "5,b,hi");
    EXPECT_STREQ(m_app.GetProfileLongString("S", "E", "default"), "hi");

    std::string text = Pattern(4001);
    ASSERT_TRUE(m_app.WriteProfileLongString("S", "E", text.c_str()));
    StoreRaw("S_E_1", "value", text.substr(2000, 1999));
    EXPECT_STREQ(m_app.GetProfileLongString("S", "E", "default"), "default");
    StoreRaw("S_E_1", "value", "");
    EXPECT_STREQ(m_app.GetProfileLongString("S", "E", "default"), "default");
    StoreRaw("S_E_1", "value", text.substr(2000, 2000));
    StoreRaw("S_E_2", "value", "xy");
    EXPECT_STREQ(m_app.GetProfileLongString("S", "E", "default"), "default");
    StoreRaw("S_E_2", "value", text.substr(4000));
    EXPECT_STREQ(m_app.GetProfileLongString("S", "E", "default"), text.c_str());
}

TEST_F(ProfileSettingsTest, AFailedPieceWriteLeavesTheOldTextInPlace)
{
    // Piece sections of this section would need key names longer than the
    // registry allows, so the first piece cannot be written.
    std::string section(254, 'S');
    ASSERT_TRUE(m_app.WriteProfileLongString(section.c_str(), "E", "earlier"));
    EXPECT_FALSE(m_app.WriteProfileLongString(section.c_str(), "E", Pattern(100).c_str()));
    EXPECT_EQ(Stored(section, "E"), "7,b,earlier");
    EXPECT_STREQ(m_app.GetProfileLongString(section.c_str(), "E", NULL), "earlier");
}

TEST_F(ProfileSettingsTest, NumberMapsRoundTripAndFallBackWhole)
{
    CNumberMap map;
    map["Alpha"] = 3;
    map["Beta"] = -1;
    map["DisplaySizeWarning"] = 7;
    EXPECT_TRUE(m_app.WriteProfileNumberMap("MessageBoxes", "Settings", map));
    CNumberMap read;
    read["Stale"] = 1;
    m_app.GetProfileNumberMap("MessageBoxes", "Settings", NULL, read);
    EXPECT_TRUE(IsStringMapEqual(read, map));

    CNumberMap defaults;
    defaults["Default"] = 42;
    struct Case
    {
        const char* text;
        int expectedCount;   // -1: the default map
    };
    const Case cases[] = {
        {"2,Alpha=3,Beta=-1", 2}, {"3,Alpha=3,Beta=-1", -1}, {"0", 0}, {"x,Alpha=3", -1},
        {"2,Alpha=3,Beta", -1}, {"2,Alpha=3,Beta=x", -1}, {"2,A=1,A=2", 1}, {"1,,A=5,", 1},
    };
    for (const Case& c : cases)
    {
        ASSERT_TRUE(m_app.WriteProfileLongString("ListWindows", "Extents", c.text));
        CNumberMap target;
        target["Stale"] = 9;
        m_app.GetProfileNumberMap("ListWindows", "Extents", &defaults, target);
        if (c.expectedCount < 0)
        {
            EXPECT_TRUE(IsStringMapEqual(target, defaults)) << c.text;
        }
        else
        {
            EXPECT_EQ(target.GetCount(), c.expectedCount) << c.text;
        }
        m_app.GetProfileNumberMap("ListWindows", "Extents", NULL, target);
        if (c.expectedCount < 0)
        {
            EXPECT_EQ(target.GetCount(), 0) << c.text;
        }
    }
    int value = 0;
    ASSERT_TRUE(m_app.WriteProfileLongString("ListWindows", "Extents", "2,A=1,A=2"));
    CNumberMap repeated;
    m_app.GetProfileNumberMap("ListWindows", "Extents", NULL, repeated);
    EXPECT_TRUE(repeated.Lookup("A", value));
    EXPECT_EQ(value, 2);
}
