// String-resource loading through AfxLoadString, against a resource module
// that the test builds with its own string table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afx/core/AfxCore.h"
#include "support/ResourceModule.h"

namespace
{
const UINT kPlain = 16;
const UINT kToken = 17;
const UINT kLong = 18;
const UINT kLongToken = 19;
const UINT kFormat = 20;
const UINT kUnknownToken = 21;
const UINT kManyTokens = 22;

// 26 tokens of 10 characters: more than the first buffer of 256 holds.
std::string ManyTokens()
{
    std::string text;
    for (int i = 0; i < 26; ++i)
        text += "~Genotype~";
    return text;
}

CString AFXAPI ExpandForTest(LPCTSTR lpszText)
{
    CString s(lpszText);
    s.Replace("~Genotype~", "Genotype");
    s.Replace("~Long~", CString('L', 600));
    s.Replace("~", "");
    return s;
}

class StringResourceTest : public ResourceModuleTest
{
protected:
    static void SetUpTestSuite()
    {
        // One string-table block holds ids 16 to 31: a length word and
        // UTF-16 characters each.
        const std::string texts[16] = {"plain",    "Select ~Genotype~", std::string(300, 'a'), "~Long~",
                                       "%d items", "~Nothing~",         ManyTokens()};
        std::vector<WORD> block;
        for (const std::string& text : texts)
        {
            block.push_back((WORD)text.size());
            for (char ch : text)
                block.push_back((WORD)(BYTE)ch);
        }
        CResourceModule* pModule = new CResourceModule("strings");
        ASSERT_TRUE(pModule->Add((LPCSTR)RT_STRING, kPlain / 16 + 1, block.data(),
                                 (DWORD)(block.size() * sizeof(WORD))));
        LoadSuiteModule(pModule);
    }
};
} // namespace

TEST_F(StringResourceTest, PlainStringsLoadAsTheyAre)
{
    TCHAR buffer[64];
    EXPECT_EQ(5, AfxLoadString(kPlain, buffer, _countof(buffer)));
    EXPECT_STREQ("plain", buffer);
    EXPECT_EQ(17, AfxLoadString(kToken, buffer, _countof(buffer)));
    EXPECT_STREQ("Select ~Genotype~", buffer);

    CString s;
    EXPECT_TRUE(s.LoadString(kPlain));
    EXPECT_STREQ("plain", s);
    EXPECT_STREQ("plain", CString(MAKEINTRESOURCEA(kPlain)));
    s.Format(kFormat, 3);
    EXPECT_STREQ("3 items", s);
}

TEST_F(StringResourceTest, LongStringsAreNotCutAtTheFirstBuffer)
{
    CString s;
    EXPECT_TRUE(s.LoadString(kLong));
    EXPECT_EQ(300, s.GetLength());
    EXPECT_EQ(CString('a', 300), s);
}

TEST_F(StringResourceTest, TokensAreExpandedThroughTheInstalledExpander)
{
    AfxSetTokenExpander(&ExpandForTest);
    TCHAR buffer[64];
    EXPECT_EQ(15, AfxLoadString(kToken, buffer, _countof(buffer)));
    EXPECT_STREQ("Select Genotype", buffer);
    EXPECT_EQ(7, AfxLoadString(kUnknownToken, buffer, _countof(buffer)));
    EXPECT_STREQ("Nothing", buffer);
    EXPECT_EQ(5, AfxLoadString(kPlain, buffer, _countof(buffer)));

    // An expansion longer than the caller's buffer is cut to it.
    TCHAR small[8];
    EXPECT_EQ(7, AfxLoadString(kToken, small, _countof(small)));
    EXPECT_STREQ("Select ", small);

    CString s;
    EXPECT_TRUE(s.LoadString(kLongToken));
    EXPECT_EQ(CString('L', 600), s);
}

TEST_F(StringResourceTest, ATextCutByTheBufferIsExpandedWhole)
{
    AfxSetTokenExpander(&ExpandForTest);
    CString expected;
    for (int i = 0; i < 26; ++i)
        expected += "Genotype";
    // the expansion (208 characters) fits the first buffer, but the text
    // behind it did not: no token may be lost or cut
    CString s;
    EXPECT_TRUE(s.LoadString(kManyTokens));
    EXPECT_STREQ(expected, s);

    TCHAR small[20];
    EXPECT_EQ(19, AfxLoadString(kManyTokens, small, _countof(small)));
    EXPECT_STREQ("GenotypeGenotypeGen", small);
}
