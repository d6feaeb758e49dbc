#include "framework/values/CurrencyFormat.h"

#include "foundation/settings/RegionalSettings.h"
#include "framework/values/ValueFormatSettings.h"
#include "support/MessageBoxAnswerer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace
{
    struct CodeCase
    {
        const char* code;
        const char* large;  // 1,234,567.05 (negated for the negative codes)
        const char* whole;  // 12.00
    };

    // Worked by hand with the symbol $, the decimal point, the comma between
    // groups of three digits.
    const CodeCase positiveCases[] = {
        {"SX.Y", "$1,234,567.05", "$12.00"},
        {"SX.y", "$1,234,567.05", "$12"},
        {"S X.Y", "$ 1,234,567.05", "$ 12.00"},
        {"S X.y", "$ 1,234,567.05", "$ 12"},
        {"X.Y", "1,234,567.05", "12.00"},
        {"X.y", "1,234,567.05", "12"},
        {"X.YS", "1,234,567.05$", "12.00$"},
        {"X.yS", "1,234,567.05$", "12$"},
        {"XS", "1,234,567$", "12$"},
        {"S X", "$ 1,234,567", "$ 12"},
        {"X", "1,234,567", "12"},
        {"SX", "$1,234,567", "$12"},
        {"X.YS#blue", "1,234,567.05$", "12.00$"},
        {"X.yS#blue", "1,234,567.05$", "12$"},
        {"S X.Y#blue", "$ 1,234,567.05", "$ 12.00"},
        {"S X.y#blue", "$ 1,234,567.05", "$ 12"},
        {"X.Y#blue", "1,234,567.05", "12.00"},
        {"X.y#blue", "1,234,567.05", "12"},
        {"SX.Y#blue", "$1,234,567.05", "$12.00"},
        {"SX.y#blue", "$1,234,567.05", "$12"},
        {"XS#blue", "1,234,567$", "12$"},
        {"S X#blue", "$ 1,234,567", "$ 12"},
        {"X#blue", "1,234,567", "12"},
        {"SX#blue", "$1,234,567", "$12"},
    };
    const CodeCase negativeCases[] = {
        {"-SX.Y", "-$1,234,567.05", "-$12.00"},
        {"-SX.y", "-$1,234,567.05", "-$12"},
        {"S-X.Y", "$-1,234,567.05", "$-12.00"},
        {"S-X.y", "$-1,234,567.05", "$-12"},
        {"SX.Y-", "$1,234,567.05-", "$12.00-"},
        {"SX.y-", "$1,234,567.05-", "$12-"},
        {"(X.YS)", "(1,234,567.05$)", "(12.00$)"},
        {"(X.yS)", "(1,234,567.05$)", "(12$)"},
        {"-X.YS", "-1,234,567.05$", "-12.00$"},
        {"-X.yS", "-1,234,567.05$", "-12$"},
        {"X.Y-S", "1,234,567.05-$", "12.00-$"},
        {"X.y-S", "1,234,567.05-$", "12-$"},
        {"X.YS-", "1,234,567.05$-", "12.00$-"},
        {"X.yS-", "1,234,567.05$-", "12$-"},
        {"-X.Y S", "-1,234,567.05 $", "-12.00 $"},
        {"-X.y S", "-1,234,567.05 $", "-12 $"},
        {"-S X.Y", "-$ 1,234,567.05", "-$ 12.00"},
        {"-S X.y", "-$ 1,234,567.05", "-$ 12"},
        {"S X.Y-", "$ 1,234,567.05-", "$ 12.00-"},
        {"S X.y-", "$ 1,234,567.05-", "$ 12-"},
        {"(SX.Y)", "($1,234,567.05)", "($12.00)"},
        {"(SX.y)", "($1,234,567.05)", "($12)"},
        {"-SX", "-$1,234,567", "-$12"},
        {"S-X", "$-1,234,567", "$-12"},
        {"SX-", "$1,234,567-", "$12-"},
        {"(XS)", "(1,234,567$)", "(12$)"},
        {"-XS", "-1,234,567$", "-12$"},
        {"X-S", "1,234,567-$", "12-$"},
        {"XS-", "1,234,567$-", "12$-"},
        {"-X S", "-1,234,567 $", "-12 $"},
        {"-S X", "-$ 1,234,567", "-$ 12"},
        {"S X-", "$ 1,234,567-", "$ 12-"},
        {"(SX)", "($1,234,567)", "($12)"},
        {"-SX.Y#red", "-$1,234,567.05", "-$12.00"},
        {"-SX.y#red", "-$1,234,567.05", "-$12"},
        {"S-X.Y#red", "$-1,234,567.05", "$-12.00"},
        {"S-X.y#red", "$-1,234,567.05", "$-12"},
        {"SX.Y-#red", "$1,234,567.05-", "$12.00-"},
        {"SX.y-#red", "$1,234,567.05-", "$12-"},
        {"(X.YS)#red", "(1,234,567.05$)", "(12.00$)"},
        {"(X.yS)#red", "(1,234,567.05$)", "(12$)"},
        {"-X.YS#red", "-1,234,567.05$", "-12.00$"},
        {"-X.yS#red", "-1,234,567.05$", "-12$"},
        {"X.Y-S#red", "1,234,567.05-$", "12.00-$"},
        {"X.y-S#red", "1,234,567.05-$", "12-$"},
        {"X.YS-#red", "1,234,567.05$-", "12.00$-"},
        {"X.yS-#red", "1,234,567.05$-", "12$-"},
        {"-X.Y S#red", "-1,234,567.05 $", "-12.00 $"},
        {"-X.y S#red", "-1,234,567.05 $", "-12 $"},
        {"-S X.Y#red", "-$ 1,234,567.05", "-$ 12.00"},
        {"-S X.y#red", "-$ 1,234,567.05", "-$ 12"},
        {"S X.Y-#red", "$ 1,234,567.05-", "$ 12.00-"},
        {"S X.y-#red", "$ 1,234,567.05-", "$ 12-"},
        {"(SX.Y)#red", "($1,234,567.05)", "($12.00)"},
        {"(SX.y)#red", "($1,234,567.05)", "($12)"},
        {"-SX#red", "-$1,234,567", "-$12"},
        {"S-X#red", "$-1,234,567", "$-12"},
        {"SX-#red", "$1,234,567-", "$12-"},
        {"(XS)#red", "(1,234,567$)", "(12$)"},
        {"-XS#red", "-1,234,567$", "-12$"},
        {"X-S#red", "1,234,567-$", "12-$"},
        {"XS-#red", "1,234,567$-", "12$-"},
        {"-X S#red", "-1,234,567 $", "-12 $"},
        {"-S X#red", "-$ 1,234,567", "-$ 12"},
        {"S X-#red", "$ 1,234,567-", "$ 12-"},
        {"(SX)#red", "($1,234,567)", "($12)"},
        {"-X.Y", "-1,234,567.05", "-12.00"},
        {"-X.y", "-1,234,567.05", "-12"},
        {"X.Y-", "1,234,567.05-", "12.00-"},
        {"X.y-", "1,234,567.05-", "12-"},
        {"(X.Y)", "(1,234,567.05)", "(12.00)"},
        {"(X.y)", "(1,234,567.05)", "(12)"},
        {"-X", "-1,234,567", "-12"},
        {"X-", "1,234,567-", "12-"},
        {"(X)", "(1,234,567)", "(12)"},
        {"-X.Y#red", "-1,234,567.05", "-12.00"},
        {"-X.y#red", "-1,234,567.05", "-12"},
        {"X.Y-#red", "1,234,567.05-", "12.00-"},
        {"X.y-#red", "1,234,567.05-", "12-"},
        {"(X.Y)#red", "(1,234,567.05)", "(12.00)"},
        {"(X.y)#red", "(1,234,567.05)", "(12)"},
        {"-X#red", "-1,234,567", "-12"},
        {"X-#red", "1,234,567-", "12-"},
        {"(X)#red", "(1,234,567)", "(12)"},
    };

    CurrencyAmount Amount(double value)
    {
        CurrencyAmount amount = {CPackedDecimal(), TRUE};
        amount.amount.SetValue(value);
        return amount;
    }

    void UseSettings(const char* symbol, const char* decimal, const char* group, int digits)
    {
        CValueFormatSettings& settings = ValueFormatSettings();
        settings.currencySymbol = symbol;
        settings.currencyFractionalSymbol = decimal;
        settings.currencyGroupSymbol = group;
        settings.currencyGroupDigitsCount = digits;
    }

    class CurrencyFormatTest : public ::testing::Test
    {
    protected:
        void SetUp() override { UseSettings("$", ".", ",", 3); }
        void TearDown() override { ResetValueFormatSettings(); }

        // The text read against one code, as "12.50" or "-12.50"; "fail" when
        // it does not match and "none" for no amount.
        static std::string Read(const char* text, const char* code, BOOL positive = TRUE)
        {
            CurrencyAmount amount = {CPackedDecimal(), TRUE};
            if (!MatchCurrencyCode(text, code, positive, &amount))
                return "fail";
            if (!amount.valid)
                return "none";
            char value[32];
            snprintf(value, sizeof(value), "%.2f", amount.amount.GetValue());
            return value;
        }
    };

    class CurrencyCodeTest : public CurrencyFormatTest, public ::testing::WithParamInterface<std::pair<CodeCase, bool>>
    {
    };

    std::vector<std::pair<CodeCase, bool>> AllCodes()
    {
        std::vector<std::pair<CodeCase, bool>> cases;
        for (const CodeCase& c : positiveCases)
            cases.push_back({c, true});
        for (const CodeCase& c : negativeCases)
            cases.push_back({c, false});
        return cases;
    }
}

TEST_F(CurrencyFormatTest, TheOfferedListsHoldEveryCodeInOrder)
{
    InitCurrencyFormatCodes();
    InitCurrencyFormatCodes();
    ASSERT_EQ(PositiveCurrencyFormatCodes().GetSize(), 24);
    ASSERT_EQ(NegativeCurrencyFormatCodes().GetSize(), 84);
    for (int i = 0; i < 24; i++)
        EXPECT_EQ(PositiveCurrencyFormatCodes()[i], positiveCases[i].code);
    for (int i = 0; i < 84; i++)
        EXPECT_EQ(NegativeCurrencyFormatCodes()[i], negativeCases[i].code);
}

TEST_P(CurrencyCodeTest, FormatsAndReadsBack)
{
    const CodeCase& c = GetParam().first;
    bool positive = GetParam().second;
    double sign = positive ? 1.0 : -1.0;
    const char* other = positive ? "-X.Y" : "X.Y";
    const char* positiveCode = positive ? c.code : other;
    const char* negativeCode = positive ? other : c.code;

    EXPECT_EQ(FormatCurrencyAmount(Amount(sign * 1234567.05), positiveCode, negativeCode), c.large);
    EXPECT_EQ(FormatCurrencyAmount(Amount(sign * 12.0), positiveCode, negativeCode), c.whole);
    SCOPED_TRACE(c.code);
    std::string large = strpbrk(c.code, "Yy") != NULL ? "1234567.05" : "1234567.00";
    EXPECT_EQ(Read(c.large, c.code, positive), positive ? large : "-" + large);
    EXPECT_EQ(Read(c.whole, c.code, positive), positive ? "12.00" : "-12.00");
}

INSTANTIATE_TEST_SUITE_P(EveryCode, CurrencyCodeTest, ::testing::ValuesIn(AllCodes()));

TEST_F(CurrencyFormatTest, FormatsSmallAmountsAndNoAmount)
{
    EXPECT_EQ(FormatCurrencyAmount(Amount(0.05), "X.Y", "-X.Y"), "0.05");
    EXPECT_EQ(FormatCurrencyAmount(Amount(123456.0), "X.y", "-X.y"), "123,456");
    EXPECT_EQ(FormatCurrencyAmount(Amount(-12.5), "SX.Y", "(X.YS)#red"), "(12.50$)");
    EXPECT_EQ(FormatCurrencyAmount(Amount(999.0), "SX.Y", ""), "$999.00");
    EXPECT_EQ(FormatCurrencyAmount(Amount(-999.0), "SX.Y", ""), "");
    CurrencyAmount none = {CPackedDecimal(), FALSE};
    none.amount.SetValue(5.0);
    EXPECT_EQ(FormatCurrencyAmount(none, "SX.Y", "-SX.Y"), "");
    CurrencyAmount rounded = {CPackedDecimal(), TRUE};
    rounded.amount.SetValue(12.997); // stored as 12 units and 100 hundredths
    EXPECT_EQ(FormatCurrencyAmount(rounded, "X.Y", "-X.Y"), "13.00");
    UseSettings("$", ".", ",", 0);
    EXPECT_EQ(FormatCurrencyAmount(Amount(1234567.0), "X", "-X"), "1234567");
    UseSettings("$", ".", ",", 4);
    EXPECT_EQ(FormatCurrencyAmount(Amount(1234567.0), "X", "-X"), "123,4567");
}

TEST_F(CurrencyFormatTest, ReadsTypedTexts)
{
    const struct
    {
        const char* text;
        const char* code;
        BOOL positive;
        const char* read;
    } cases[] = {
        {"$12", "SX.Y", TRUE, "12.00"},      {"12", "SX.Y", TRUE, "12.00"},
        {"12.345", "SX.Y", TRUE, "12.34"},   {"1,2,3", "SX.Y", TRUE, "123.00"},
        {"12.5", "SX.Y", TRUE, "12.50"},     {".5", "SX.Y", TRUE, "0.50"},
        {" $ 1 2 . 5 0 ", "SX.Y", TRUE, "12.50"},
        {"-12.50", "SX.Y", TRUE, "fail"},    {"-12.50", "-SX.Y", FALSE, "-12.50"},
        {"12$", "SX.Y", TRUE, "fail"},       {"(12.50)", "(X.Y)#red", FALSE, "-12.50"},
        {"(12.50", "(X.Y)#red", FALSE, "fail"}, {"abc", "SX.Y", TRUE, "fail"},
        {"", "SX.Y", TRUE, "none"},          {"   ", "(X)", FALSE, "none"},
        {"9,999,999.99", "X.Y", TRUE, "9999999.99"},
        {"10,000,000", "X.Y", TRUE, "fail"}, {"99999999999999999999", "X", TRUE, "fail"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Read(c.text, c.code, c.positive), c.read) << c.text << " with " << c.code;
}

TEST_F(CurrencyFormatTest, AmountsBeyondTheLargestAreRefusedWithAMessage)
{
    CMessageBoxAnswerer answerer(IDOK);
    CurrencyAmount amount = {CPackedDecimal(), FALSE};
    EXPECT_EQ(ParseCurrencyText("12,345,678.00", "SX.Y", "-SX.Y", &amount), 0);
    EXPECT_EQ(ParseCurrencyText("-4294967296", "SX.Y", "-SX.Y", &amount), 0);
    EXPECT_EQ(answerer.Count(), 2);
    EXPECT_EQ(answerer.LastText(), "The amount -4294967296 is too large: amounts may not exceed $9,999,999.99. ");
    EXPECT_EQ(ParseCurrencyText("abc", "SX.Y", "-SX.Y", &amount), 0);
    EXPECT_EQ(answerer.Count(), 2);
    EXPECT_EQ(ParseCurrencyText("-$5", "SX.Y", "-SX.Y", &amount), 1);
    EXPECT_DOUBLE_EQ(amount.amount.GetValue(), -5.0);
}

// Under the regional settings of the run (also German ones): amounts written
// with the regional codes read back unchanged.
TEST(CurrencyRegionalTest, RandomAmountsReadBackUnchanged)
{
    ReleaseRegionalSettings();
    ResetValueFormatSettings();
    CString positive = GetRegionalCurrencyFormat();
    CString negative = GetRegionalNegativeCurrencyFormat();
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> units(0, 9999999), cents(0, 99), sign(0, 1);
    for (int i = 0; i < 2000; i++)
    {
        CurrencyAmount amount = {CPackedDecimal(), TRUE};
        amount.amount.m_dwValue = (DWORD)units(random) | ((DWORD)cents(random) << 24) | (sign(random) ? 0x80000000u : 0);
        if ((amount.amount.m_dwValue & 0x7FFFFFFF) == 0)
            continue;
        CString text = FormatCurrencyAmount(amount, positive, negative);
        CurrencyAmount read = {CPackedDecimal(), FALSE};
        ASSERT_EQ(ParseCurrencyText(text, "", "", &read), 1) << text;
        ASSERT_TRUE(read.valid);
        ASSERT_EQ(read.amount.m_dwValue, amount.amount.m_dwValue) << text;
    }
}

TEST(CurrencyRegionalTest, GermanSymbolsGroupWithPointsAndDecimalComma)
{
    UseSettings("\x80", ",", ".", 3);
    EXPECT_EQ(FormatCurrencyAmount(Amount(-1234567.5), "X.Y S", "-X.Y S"), "-1.234.567,50 \x80");
    CurrencyAmount read = {CPackedDecimal(), FALSE};
    EXPECT_EQ(ParseCurrencyText("1.234,5 \x80", "X.Y S", "-X.Y S", &read), 1);
    EXPECT_DOUBLE_EQ(read.amount.GetValue(), 1234.5);
    ResetValueFormatSettings();
}
