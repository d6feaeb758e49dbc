#include "foundation/settings/RegionalSettings.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace
{
    // The Unix locale that Wine derives the regional settings from.
    std::string UnixLanguage()
    {
        char value[64] = "";
        ::GetEnvironmentVariableA("LANG", value, sizeof(value));
        return value;
    }

    class RegionalSettingsTest : public ::testing::Test
    {
    protected:
        void SetUp() override { ReleaseRegionalSettings(); }
        void TearDown() override { ReleaseRegionalSettings(); }
    };

    // Sets (or, with null, removes) "intl" values for one test and puts the
    // user's own values back afterwards; the caches are emptied both times.
    class RegionalProfileTest : public RegionalSettingsTest
    {
    protected:
        void TearDown() override
        {
            // Backwards, so that a key set twice gets its first value back.
            for (size_t i = m_saved.size(); i-- > 0;)
                ::WriteProfileStringA("intl", m_saved[i].first.c_str(),
                                      m_present[i] ? m_saved[i].second.c_str() : NULL);
            RegionalSettingsTest::TearDown();
        }

        void SetIntl(const char* key, const char* value)
        {
            char old[128];
            DWORD length = ::GetProfileStringA("intl", key, "\x01", old, sizeof(old));
            m_present.push_back(!(length == 1 && old[0] == '\x01'));
            m_saved.push_back(std::make_pair(std::string(key), std::string(old)));
            ::WriteProfileStringA("intl", key, value);
            ReleaseRegionalSettings();
        }

        std::vector<std::pair<std::string, std::string>> m_saved;
        std::vector<bool> m_present;
    };
}

TEST(CurrencyFormatCodeTest, MatchesTheWindowsCurrencyValues)
{
    // The positive formats of "iCurrency" 0-3: symbol before or after, with or
    // without a blank; other values fall back to the first.
    const char* const positive[] = {"SX.Y", "X.YS", "S X.Y", "X.Y S"};
    for (int code = 0; code < 4; ++code)
        EXPECT_STREQ(CurrencyFormatFromWindowsCode(code), positive[code]) << code;
    for (int code = 4; code <= 15; ++code)
        EXPECT_STREQ(CurrencyFormatFromWindowsCode(code), "SX.Y") << code;

    // The negative formats of "iNegCurr" 0-15 as Windows shows -1.1 with '$'.
    const char* const negative[] = {
        "(SX.Y)", "-SX.Y", "S-X.Y", "SX.Y-", "(X.YS)", "-X.YS", "X.Y-S", "X.YS-",
        "-X.Y S", "-S X.Y", "X.Y S-", "S X.Y-", "S -X.Y", "X.Y- S", "(S X.Y)", "(X.Y S)",
    };
    for (int code = 0; code <= 15; ++code)
        EXPECT_STREQ(NegativeCurrencyFormatFromWindowsCode(code), negative[code]) << code;
    EXPECT_STREQ(NegativeCurrencyFormatFromWindowsCode(16), "(SX.Y)");
    EXPECT_STREQ(NegativeCurrencyFormatFromWindowsCode(-1), "(SX.Y)");
}

TEST_F(RegionalSettingsTest, FollowsTheUserLocale)
{
    // What the profile section "intl" says must agree with the locale itself.
    char decimal[16] = "";
    char thousand[16] = "";
    ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, sizeof(decimal));
    ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, thousand, sizeof(thousand));
    EXPECT_STREQ(GetRegionalDecimalSeparator(), decimal);
    EXPECT_STREQ(GetRegionalThousandSeparator(), thousand);
    EXPECT_EQ(GetRegionalCurrencyGroupDigits(), 3);

    std::string language = UnixLanguage();
    if (language.compare(0, 5, "en_US") == 0)
    {
        EXPECT_TRUE(IsNorthAmericanEnglish());
        EXPECT_TRUE(IsCountryNorthAmerica());
        EXPECT_FALSE(IsCountryUnitedKingdom());
        EXPECT_FALSE(IsCountryEuropean());
        EXPECT_STREQ(GetRegionalDecimalSeparator(), ".");
        EXPECT_STREQ(GetRegionalCurrencySymbol(), "$");
        EXPECT_STREQ(GetRegionalCurrencyFormat(), "SX.Y");
    }
    else if (language.compare(0, 5, "de_DE") == 0)
    {
        EXPECT_FALSE(IsNorthAmericanEnglish());
        EXPECT_FALSE(IsCountryNorthAmerica());
        EXPECT_FALSE(IsCountryUnitedKingdom());
        EXPECT_TRUE(IsCountryEuropean());
        EXPECT_STREQ(GetRegionalDecimalSeparator(), ",");
        EXPECT_STREQ(GetRegionalThousandSeparator(), ".");
        EXPECT_STREQ(GetRegionalCurrencySymbol(), "\x80");
        EXPECT_STREQ(GetRegionalCurrencyFormat(), "X.Y S");
    }
    else if (language.compare(0, 5, "en_GB") == 0)
    {
        EXPECT_FALSE(IsNorthAmericanEnglish());
        EXPECT_TRUE(IsCountryUnitedKingdom());
        EXPECT_TRUE(IsCountryEuropean());
        EXPECT_STREQ(GetRegionalCurrencySymbol(), "\xA3");
    }
    else
    {
        ADD_FAILURE() << "no expectations for LANG=" << language;
    }
}

TEST_F(RegionalSettingsTest, AnswersAreCachedForTheRun)
{
    CString first = GetRegionalDecimalSeparator();
    BOOL american = IsNorthAmericanEnglish();
    // A changed profile is not seen until the caches are released.
    ASSERT_TRUE(::WriteProfileStringA("intl", "sDecimal", "#"));
    EXPECT_STREQ(GetRegionalDecimalSeparator(), first);
    EXPECT_EQ(IsNorthAmericanEnglish(), american);
    ::WriteProfileStringA("intl", "sDecimal", first);
}

TEST_F(RegionalProfileTest, MissingValuesGiveTheBritishDefaults)
{
    const char* const keys[] = {"sLanguage", "iCountry", "sCurrency", "sDecimal", "sThousand", "iCurrency", "iNegCurr"};
    for (const char* key : keys)
        SetIntl(key, NULL);
    EXPECT_FALSE(IsNorthAmericanEnglish());
    EXPECT_TRUE(IsCountryUnitedKingdom());
    EXPECT_TRUE(IsCountryEuropean());
    EXPECT_FALSE(IsCountryNorthAmerica());
    EXPECT_STREQ(GetRegionalCurrencySymbol(), "\xA3");
    EXPECT_STREQ(GetRegionalDecimalSeparator(), ".");
    EXPECT_STREQ(GetRegionalThousandSeparator(), ",");
    EXPECT_STREQ(GetRegionalCurrencyFormat(), "SX.Y");
    EXPECT_STREQ(GetRegionalNegativeCurrencyFormat(), "(SX.Y)");
}

TEST_F(RegionalProfileTest, LanguageAndCountryCodes)
{
    // Without a country the language decides: North American English means 1.
    SetIntl("iCountry", NULL);
    SetIntl("sLanguage", "enu");
    EXPECT_TRUE(IsNorthAmericanEnglish());
    EXPECT_TRUE(IsCountryNorthAmerica());
    EXPECT_FALSE(IsCountryUnitedKingdom());

    SetIntl("sLanguage", "ENC");
    EXPECT_TRUE(IsNorthAmericanEnglish());
    SetIntl("sLanguage", "DEU");
    EXPECT_FALSE(IsNorthAmericanEnglish());

    SetIntl("iCountry", "2");
    EXPECT_TRUE(IsCountryNorthAmerica());
    EXPECT_FALSE(IsCountryEuropean());
    SetIntl("iCountry", "353");
    EXPECT_TRUE(IsCountryEuropean());
    EXPECT_FALSE(IsCountryUnitedKingdom());
    EXPECT_FALSE(IsCountryNorthAmerica());
    SetIntl("iCountry", "61");
    EXPECT_FALSE(IsCountryEuropean());
}

TEST_F(RegionalProfileTest, CurrencyFormatsFollowTheStoredCodes)
{
    SetIntl("iCurrency", "3");
    SetIntl("iNegCurr", "8");
    EXPECT_STREQ(GetRegionalCurrencyFormat(), "X.Y S");
    EXPECT_STREQ(GetRegionalNegativeCurrencyFormat(), "-X.Y S");
    SetIntl("iNegCurr", "16");
    EXPECT_STREQ(GetRegionalNegativeCurrencyFormat(), "(SX.Y)");
    SetIntl("sCurrency", "Kr");
    EXPECT_STREQ(GetRegionalCurrencySymbol(), "Kr");
}
