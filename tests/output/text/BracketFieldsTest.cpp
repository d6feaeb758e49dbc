#include "output/text/BracketFields.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace
{
struct Expansion
{
    const char* input;
    const char* output;
};

class BracketFieldsTest : public ::testing::TestWithParam<Expansion>
{
};

TEST_P(BracketFieldsTest, ExpandsAsWorkedByHand)
{
    EXPECT_STREQ(GetParam().output, ExpandBracketFields(GetParam().input)) << GetParam().input;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, BracketFieldsTest,
    ::testing::Values(
        // the outer pass
        Expansion{"", ""}, Expansion{"plain text", "plain text"}, Expansion{"[]", ""},
        Expansion{"a]b", "a]b"}, Expansion{"a\\[b", "a[b"}, Expansion{"x[cuab", "x"},
        Expansion{"<[cuab]>", "<AB>"}, Expansion{"[Cuabc]", ""}, Expansion{"[5]", ""},
        Expansion{"[{a}cuxy]", "XY"}, Expansion{"[zz]", ""}, Expansion{"[c]", ""},
        // case and padding
        Expansion{"[cuabc]", "ABC"}, Expansion{"[clABC]", "abc"}, Expansion{"[csaBC dE]", "Abc de"},
        Expansion{"[5lab]", "   ab"}, Expansion{"[5rab]", "ab   "}, Expansion{"[#5lab]", "ab"},
        Expansion{"[2labcd]", "abcd"}, Expansion{"[8l[cuab]]", "      AB"},
        // totals and products
        Expansion{"[asn 1 2 x 3]", "6"}, Expansion{"[,asn1,2,3]", "6"}, Expansion{"[asn]", ""},
        Expansion{"[aso]", "0"}, Expansion{"[asn 2 -2]", ""}, Expansion{"[asg 0.5 0.25]", "0.75"},
        Expansion{"[asf 0.5 -0.5]", ""}, Expansion{"[asg]", "0"}, Expansion{"[asz 1 2]", ""},
        Expansion{"[asn 1 [asn 2 3]]", "6"}, Expansion{"[,asn(1,2),3]", "3"},
        Expansion{"[apn 2.5 3]", "8"}, Expansion{"[apn 2.5 -3]", "-8"}, Expansion{"[apn -0.5 3]", "-2"},
        Expansion{"[apn 2.5]", ""}, Expansion{"[apo 2.5]", "0"}, Expansion{"[apg 0.5 3]", "1.5"},
        Expansion{"[apn x 3]", ""},
        // text by emptiness and choice
        Expansion{"[e(none),Dam: %,Bella]", "Dam: Bella"}, Expansion{"[e(none),Dam: %,]", "(none)"},
        Expansion{"[e(none),Dam: ,Bella]", "Dam: Bella"}, Expansion{"[,%!e(none),Dam,Bella]", "Dam"},
        Expansion{"[e(none),%+%,ab]", "ab+ab"}, Expansion{"[e,,[cuab]]", "AB"},
        Expansion{"[e(none),[e,a%b,x]%,v]", "axbv"}, Expansion{"[ea,b]", ""},
        Expansion{"[sA,A,same,different]", "same"}, Expansion{"[sA,a,same,different]", "different"},
        Expansion{"[sA,A,same]", ""}, Expansion{"[sX,[cux],same,different]", "same"},
        Expansion{"[;s1;1;x,y;z]", "x,y"},
        // cutting
        Expansion{"[xl3,abcdef]", "abc"}, Expansion{"[xl9,abc]", "abc"}, Expansion{"[xr2,abcdef]", "ef"},
        Expansion{"[xr9,abc]", "abc"}, Expansion{"[xm2,3,abcdef]", "bcd"}, Expansion{"[xm9,3,abcdef]", ""},
        Expansion{"[xl0,abc]", ""}, Expansion{"[xlq,abc]", ""}, Expansion{"[xm2,0,abc]", ""},
        Expansion{"[xs,Mr Smith,Mr ]", "Smith"}, Expansion{"[xs,Mrs Smith,Mr ]", "Mrs Smith"},
        Expansion{"[xs,\\[cuab],x]", "[cuab]"}, Expansion{"[xaA1-b2]", "Ab"}, Expansion{"[xdA1-b2]", "12"},
        Expansion{"[xnA1-b2]", "A1b2"}, Expansion{"[xiJohn Ronald Smith]", "JRS"},
        Expansion{"[xq1]", ""},
        // joining and protecting
        Expansion{"[ja,\r\n\r\nb]", "a, b"}, Expansion{"[ j a \n b ]", "a b"}, Expansion{"[j\n\n]", ""},
        Expansion{"[-j a;\nb]", "a;-b"}, Expansion{"[ma,b]", "a\x02" "b"}, Expansion{"[ua_b]", "a\x01" "b"}));

TEST(BracketFieldsNestingTest, DeepNestingGivesEmptyFieldsInsteadOfOverflowing)
{
    std::string deep;
    for (int i = 0; i < 400; ++i)
        deep += "[cu";
    deep += "x";
    for (int i = 0; i < 400; ++i)
        deep += "]";
    EXPECT_STREQ("<>", ExpandBracketFields(("<" + deep + ">").c_str()));

    std::string shallow = "[cu[cu[cu[cux]]]]";
    EXPECT_STREQ("X", ExpandBracketFields(shallow.c_str()));
}

TEST(BracketFieldsRobustnessTest, RandomAndDamagedTextsExpandWithoutFailing)
{
    const char alphabet[] = "[]\\{}asxplrcjemuodngfi0123456789,;% !-_.\r\n";
    std::mt19937 random(16);
    for (int round = 0; round < 3000; ++round)
    {
        std::string text;
        int length = (int)(random() % 120);
        for (int i = 0; i < length; ++i)
            text += alphabet[random() % (sizeof(alphabet) - 1)];
        CString result = ExpandBracketFields(text.c_str());
        if (text.find('[') == std::string::npos)
        {
            EXPECT_STREQ(text.c_str(), result);
        }
    }
    // A long field grows the buffers beyond their inline size.
    std::string big = "[cu" + std::string(30000, 'a') + "]";
    EXPECT_EQ(30000, ExpandBracketFields(big.c_str()).GetLength());
}
} // namespace

namespace
{
TEST(BracketFieldsMoneyTest, TotalsAndProductsOfMoneyUseTheOutputFormats)
{
    PositiveOutputCurrencyFormat = "X.Y";
    NegativeOutputCurrencyFormat = "-X.Y";
    struct
    {
        const char* input;
        const char* output;
    } rows[] = {{"[asc 1.50 2.25]", "3.75"}, {"[asc]", ""},         {"[asd]", "0.00"},
                {"[asd 1 -3]", "-2.00"},     {"[apc 2 1.25]", "2.50"}, {"[apd 0.5 x]", "0.00"},
                {"[asc 1.5 x 2]", "3.50"},   {"[;asc 1.10;2]", "3.10"}};
    for (const auto& row : rows)
        EXPECT_STREQ(row.output, ExpandBracketFields(row.input)) << row.input;
    PositiveOutputCurrencyFormat.Empty();
    NegativeOutputCurrencyFormat.Empty();
}
} // namespace
