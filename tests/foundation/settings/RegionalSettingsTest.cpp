#include "foundation/settings/RegionalSettings.h"

#include <gtest/gtest.h>

#include <string>

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
