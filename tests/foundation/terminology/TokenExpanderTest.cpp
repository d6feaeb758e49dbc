#include "foundation/terminology/TermsMap.h"
#include "foundation/terminology/TokenExpander.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// Each test starts from an empty terms map and leaves it empty.
class TokenExpanderTest : public ::testing::Test
{
protected:
    void SetUp() override { TermsMap.RemoveAll(); }
    void TearDown() override { TermsMap.RemoveAll(); }

    static std::string Expand(const char* text)
    {
        CString result("stale");
        ExpandTokens(text, result, NULL, NULL, '~', '~');
        return (const char*)result;
    }

    static std::string Term(const char* name)
    {
        CString text;
        if (!TermsMap.Lookup(name, text))
            return "<none>";
        return (const char*)text;
    }
};
}

TEST_F(TokenExpanderTest, CaseVariantsOfACapitalisedName)
{
    SetTerm("Colour", "Color", TRUE);
    EXPECT_EQ("Color", Expand("~Colour~"));
    EXPECT_EQ("color", Expand("~colour~"));
    EXPECT_EQ("COLOUR", Expand("~COLOUR~"));
    EXPECT_EQ("Blue-color and Color", Expand("Blue-~colour~ and ~Colour~"));
}

TEST_F(TokenExpanderTest, CaseVariantsOfALowerCaseName)
{
    SetTerm("notgiven", "not given", TRUE);
    EXPECT_EQ("Not Given", Term("Notgiven"));
    EXPECT_EQ("<none>", Term("NOTGIVEN"));
}

TEST_F(TokenExpanderTest, CaseVariantsOfAMixedCaseName)
{
    SetTerm("InbreedingCoefficient", "Inbreeding Coefficient", TRUE);
    EXPECT_EQ("inbreeding coefficient", Term("inbreedingcoefficient"));
    EXPECT_EQ("Inbreeding coefficient", Term("Inbreedingcoefficient"));
}

TEST_F(TokenExpanderTest, LowerCasingFollowsTheAnsiCodePage)
{
    SetTerm("Name", "\xC9LAN", TRUE);
    EXPECT_EQ("\xE9lan", Term("name"));
}

TEST_F(TokenExpanderTest, SetTermIgnoresBadArgumentsAndNonLetterNames)
{
    SetTerm("", "x", TRUE);
    SetTerm(NULL, "x", TRUE);
    SetTerm("Grey", NULL, TRUE);
    EXPECT_EQ(0, TermsMap.GetCount());

    SetTerm("2nd", "Second", TRUE);
    EXPECT_EQ(1, TermsMap.GetCount());
}

TEST_F(TokenExpanderTest, EmptyTextVariantsAreStoredEmpty)
{
    SetTerm("UserDefined", "", TRUE);
    EXPECT_EQ(3, TermsMap.GetCount());
    EXPECT_EQ("", Term("UserDefined"));
    EXPECT_EQ("", Term("userdefined"));
    EXPECT_EQ("", Term("Userdefined"));
}

TEST_F(TokenExpanderTest, LaterSetTermReplacesVariants)
{
    SetTerm("colour", "hue", FALSE);
    SetTerm("Colour", "Colour", TRUE);
    EXPECT_EQ("colour", Term("colour"));
}

TEST_F(TokenExpanderTest, TitleCase)
{
    EXPECT_STREQ("Not Given", (const char*)TitleCaseTermText("not given"));
    EXPECT_STREQ("Blue-Grey", (const char*)TitleCaseTermText("blue-GREY"));
    EXPECT_STREQ("G's", (const char*)TitleCaseTermText("G'S"));
    EXPECT_STREQ("", (const char*)TitleCaseTermText(NULL));
}

TEST_F(TokenExpanderTest, UnknownAndEmptyTokens)
{
    EXPECT_EQ("a Nothing b", Expand("a ~Nothing~ b"));
    EXPECT_EQ("", Expand("~~"));
    EXPECT_EQ("xy", Expand("x~~y"));
}

TEST_F(TokenExpanderTest, UnterminatedTokenIsDropped)
{
    SetTerm("Colour", "Color", FALSE);
    EXPECT_EQ("end ", Expand("end ~Colour"));
    EXPECT_EQ("lone", Expand("lone~"));
    EXPECT_EQ("Color ", Expand("~Colour~ ~tail"));
}

TEST_F(TokenExpanderTest, LinePicks)
{
    SetTerm("Lines", "zero\none\r\ntwo\nthree", FALSE);
    EXPECT_EQ("one\r", Expand("~Lines,1~"));
    EXPECT_EQ("zero", Expand("~Lines,0~"));
    EXPECT_EQ("zero", Expand("~Lines,abc~"));
    EXPECT_EQ("three", Expand("~Lines, +3~"));
    EXPECT_EQ("zero\none\r\ntwo\nthree", Expand("~Lines,-1~"));
    EXPECT_EQ("Lines", Expand("~Lines,7~"));
    EXPECT_EQ("Lines", Expand("~Lines,-2~"));
    EXPECT_EQ("Missing", Expand("~Missing,1~"));
    // Line numbers too large for 32 bits do not wrap round to a real line.
    EXPECT_EQ("Lines", Expand("~Lines,4294967295~"));
    EXPECT_EQ("Lines", Expand("~Lines,4294967296~"));
    EXPECT_EQ("Lines", Expand("~Lines,-4294967297~"));
}

TEST_F(TokenExpanderTest, LastCommaSplitsTheName)
{
    SetTerm("a,b", "first\nsecond", FALSE);
    EXPECT_EQ("second", Expand("~a,b,1~"));
}

TEST_F(TokenExpanderTest, TermTextIsNotExpandedAgain)
{
    SetTerm("Colour", "Color", FALSE);
    SetTerm("Shade", "~Colour~", FALSE);
    EXPECT_EQ("~Colour~", Expand("~Shade~"));
}

TEST_F(TokenExpanderTest, TextWithoutTokensComesBackUnchanged)
{
    EXPECT_EQ("plain text", Expand("plain text"));
    CString own("same");
    ExpandTokens(own, own);
    EXPECT_STREQ("same", (const char*)own);
}

TEST_F(TokenExpanderTest, NullAndEmptySources)
{
    CString result("stale");
    EXPECT_EQ(NULL, ExpandTokens(NULL, result));
    EXPECT_TRUE(result.IsEmpty());
    result = "stale";
    LPCTSTR empty = ExpandTokens("", result);
    ASSERT_NE(nullptr, empty);
    EXPECT_STREQ("", empty);
}

TEST_F(TokenExpanderTest, OtherDelimitersAndMaps)
{
    CNamedStringMap first;
    CNamedStringMap second;
    first["x"] = "one";
    second["x"] = "shadowed";
    second["y"] = "two";
    CString result;
    ExpandTokens("[x]+[y]+[[z]", result, &first, &second, '[', ']');
    EXPECT_STREQ("one+two+[z", (const char*)result);
}

TEST_F(TokenExpanderTest, AtTokensTakeExtraNamesAndThenStayBare)
{
    SetTerm("Colour", "Color", FALSE);
    SetTerm("Grey", "Gray", FALSE);
    CString result;
    ExpandTokens("~@~/~@~/~@~", result, NULL, NULL, '~', '~', "Colour", CString("Grey"));
    EXPECT_STREQ("Color/Gray/@", (const char*)result);
    ExpandTokens("~@~", result);
    EXPECT_STREQ("@", (const char*)result);

    // Past the extra names nothing more is read, not even a term named "@".
    SetTerm("@", "at", FALSE);
    ExpandTokens("~@~+~@~", result, NULL, NULL, '~', '~', "Grey");
    EXPECT_STREQ("Gray+@", (const char*)result);
}

TEST_F(TokenExpanderTest, LongTextsAndTokens)
{
    CString longName('n', 300);
    CString longText('t', 5000);
    SetTerm(longName, longText, FALSE);
    CString source = CString('s', 3000) + "~" + longName + "~";
    CString result;
    ExpandTokens(source, result);
    EXPECT_EQ(CString('s', 3000) + longText, result);
}
