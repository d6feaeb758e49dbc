#include "foundation/settings/AppRegistryKey.h"
#include "foundation/settings/RegistryExchange.h"
#include "foundation/settings/RegistryKey.h"

#include "support/TestRegistryKey.h"

#include <gtest/gtest.h>

namespace
{
    class RegistryKeyTest : public ::testing::Test
    {
    protected:
        RegistryKeyTest() : m_test("KestrovaRegistryKeyTest")
        {
            SetAppRegistryKey(m_test.Path().c_str(), HKEY_CURRENT_USER);
        }

        void OpenValues(CRegistryKey& key)
        {
            ASSERT_TRUE(OpenRegistryKey("\\Values", key, FALSE, KEY_READ | KEY_WRITE, 0, NULL, NULL));
        }

        CTestRegistryKey m_test;
    };
}

TEST_F(RegistryKeyTest, OpensUnderTheApplicationKeyOrAGivenBase)
{
    CRegistryKey key;
    EXPECT_TRUE(OpenRegistryKey("\\Sub", key, FALSE, KEY_READ | KEY_WRITE, 0, NULL, NULL));
    EXPECT_NE(key.GetHandle(), (HKEY)NULL);
    EXPECT_TRUE(m_test.Exists("Sub"));

    CString base = CString(m_test.Path().c_str()) + "\\";
    EXPECT_TRUE(OpenRegistryKey("Terminology", key, FALSE, KEY_READ | KEY_WRITE, 0, base, HKEY_CURRENT_USER));
    EXPECT_TRUE(m_test.Exists("Terminology"));

    // Open-only on a missing key fails and leaves no key held.
    EXPECT_FALSE(OpenRegistryKey("\\Missing", key, TRUE, KEY_READ, 0, NULL, NULL));
    EXPECT_EQ(key.GetHandle(), (HKEY)NULL);
    EXPECT_FALSE(m_test.Exists("Missing"));
    EXPECT_EQ(key.Close(), 0);
}

TEST_F(RegistryKeyTest, StringsAndNumbersRoundTrip)
{
    CRegistryKey key;
    OpenValues(key);
    EXPECT_TRUE(key.SetString("Text", "Bay Roan"));
    EXPECT_TRUE(key.SetString("Empty", NULL));
    DWORD number = 0xFF000000;
    EXPECT_TRUE(key.SetDWord("Number", number));

    CString text;
    EXPECT_TRUE(key.QueryString("Text", text));
    EXPECT_STREQ(text, "Bay Roan");
    // A value holding only its terminating zero reads as the empty text.
    text = "old";
    EXPECT_TRUE(key.QueryString("Empty", text));
    EXPECT_STREQ(text, "");
    DWORD read = 0;
    EXPECT_TRUE(key.QueryDWord("Number", read));
    EXPECT_EQ(read, 0xFF000000u);

    EXPECT_TRUE(key.DeleteValue("Text"));
    text = "kept";
    EXPECT_FALSE(key.QueryString("Text", text));
    EXPECT_STREQ(text, "kept");
    EXPECT_FALSE(key.DeleteValue("Text"));
}

TEST_F(RegistryKeyTest, ForeignAndDamagedValuesAreRefusedOrReadSafely)
{
    CRegistryKey key;
    OpenValues(key);
    ASSERT_TRUE(m_test.SetRaw("Values", "Expand", REG_EXPAND_SZ, "%TEMP%", 7));
    ASSERT_TRUE(m_test.SetRaw("Values", "NoData", REG_SZ, "", 0));
    ASSERT_TRUE(m_test.SetRaw("Values", "Unterminated", REG_SZ, "abcXYZ", 3));
    ASSERT_TRUE(m_test.SetRaw("Values", "FourChars", REG_SZ, "abc", 4));
    DWORD bytes = 0x01020304;
    ASSERT_TRUE(m_test.SetRaw("Values", "Binary", REG_BINARY, &bytes, 4));

    CString text = "unchanged";
    EXPECT_FALSE(key.QueryString("Expand", text));
    EXPECT_FALSE(key.QueryString("NoData", text));
    EXPECT_STREQ(text, "unchanged");

    // Three bytes without a terminating zero: exactly those three characters.
    EXPECT_TRUE(key.QueryString("Unterminated", text));
    EXPECT_STREQ(text, "abc");
    EXPECT_EQ(text.GetLength(), 3);

    // Only a REG_DWORD counts as a number.
    DWORD number = 77;
    EXPECT_FALSE(key.QueryDWord("FourChars", number));
    EXPECT_FALSE(key.QueryDWord("Binary", number));
    EXPECT_FALSE(key.QueryDWord("Missing", number));
    EXPECT_EQ(number, 77u);
}

TEST_F(RegistryKeyTest, ExchangeLoadsDefaultsAndChecksRanges)
{
    CRegistryKey key;
    OpenValues(key);
    BOOL ok = TRUE;
    int value = 0;
    ExchangeRegInt(&ok, FALSE, key, "Level", value, 1, 9, 9);
    EXPECT_EQ(value, 9);

    const int stored[] = {0, 12, 5, -3};
    const int expected[] = {9, 9, 5, 9};
    for (int i = 0; i < 4; ++i)
    {
        value = stored[i];
        ExchangeRegInt(&ok, TRUE, key, "Level", value, 1, 9, 9);
        value = 0;
        ExchangeRegInt(&ok, FALSE, key, "Level", value, 1, 9, 9);
        EXPECT_EQ(value, expected[i]) << "stored " << stored[i];
    }
    EXPECT_TRUE(ok);

    DWORD colour = 0x00FF8000;
    ExchangeRegDWord(&ok, TRUE, key, "Colour", colour, 0);
    colour = 0;
    ExchangeRegDWord(&ok, FALSE, key, "Colour", colour, 5);
    EXPECT_EQ(colour, 0x00FF8000u);

    CString text = "x";
    ExchangeRegString(&ok, FALSE, key, "Missing", text, NULL);
    EXPECT_STREQ(text, "");
    ExchangeRegString(&ok, FALSE, key, "Missing", text, "fallback");
    EXPECT_STREQ(text, "fallback");
    text = "Surname";
    ExchangeRegString(&ok, TRUE, key, "Word", text, NULL);
    text.Empty();
    ExchangeRegString(&ok, FALSE, key, "Word", text, NULL);
    EXPECT_STREQ(text, "Surname");
    EXPECT_TRUE(ok);
}

TEST_F(RegistryKeyTest, SavingThroughAKeyThatFailedToOpenClearsTheOkFlag)
{
    CRegistryKey key;
    EXPECT_FALSE(OpenRegistryKey("\\Missing", key, TRUE, KEY_READ | KEY_WRITE, 0, NULL, NULL));
    BOOL ok = TRUE;
    int value = 3;
    ExchangeRegInt(&ok, TRUE, key, "Level", value, 1, 9, 9);
    EXPECT_FALSE(ok);
    ok = TRUE;
    CString text = "x";
    ExchangeRegString(&ok, TRUE, key, "Word", text, NULL);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(m_test.Exists("Missing"));
    // Passing no flag is allowed.
    ExchangeRegInt(NULL, TRUE, key, "Level", value, 1, 9, 9);
}

TEST_F(RegistryKeyTest, AttachClosesTheKeyHeldBefore)
{
    CRegistryKey key;
    OpenValues(key);
    HKEY first = key.GetHandle();
    HKEY second = NULL;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, m_test.Path().c_str(), 0, KEY_READ, &second), ERROR_SUCCESS);
    key.Attach(second);
    EXPECT_EQ(key.GetHandle(), second);
    // The first handle is closed now: using it fails.
    DWORD values = 0;
    EXPECT_NE(::RegQueryInfoKeyA(first, NULL, NULL, NULL, NULL, NULL, NULL, &values, NULL, NULL, NULL, NULL),
              ERROR_SUCCESS);
    EXPECT_EQ(key.Close(), ERROR_SUCCESS);
    EXPECT_EQ(key.GetHandle(), (HKEY)NULL);
}
