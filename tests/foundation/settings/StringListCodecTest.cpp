#include "foundation/settings/StringListCodec.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace
{
    CStringArray* MakeList(std::initializer_list<const char*> items)
    {
        CStringArray* list = new CStringArray;
        for (const char* item : items)
            list->Add(item);
        return list;
    }

    struct Example
    {
        std::initializer_list<const char*> items;
        const char* text;
    };
}

TEST(StringListCodecTest, EncodesInTheShorterFormAndDecodesBack)
{
    const Example examples[] = {
        {{}, "a0,"},
        {{"abc"}, "a1,3,abc"},
        {{"red", "red", "red", "blue"}, "a4,3:3,4,redredredblue"},
        {{"x", "x", "x", "x", "x", "y"}, "r6,2,5:1,1,xy"},
        {{"", "", ""}, "a3,3:0,"},
        {{"a,b", ":"}, "a2,3,1,a,b:"},
    };
    for (const Example& example : examples)
    {
        CStringArray* list = MakeList(example.items);
        CString text = EncodeStringList(*list);
        EXPECT_STREQ(text, example.text);

        CStringArray decoded;
        decoded.Add("stale");
        EXPECT_TRUE(DecodeStringList(text, decoded)) << example.text;
        ASSERT_EQ(decoded.GetSize(), list->GetSize()) << example.text;
        for (int i = 0; i < list->GetSize(); ++i)
            EXPECT_STREQ(decoded[i], (*list)[i]);
        delete list;
    }
}

TEST(StringListCodecTest, LongListsWithManyRepeatsRoundTrip)
{
    CStringArray list;
    for (int i = 0; i < 300; ++i)
        list.Add(i % 50 == 0 ? "Default" : "#ff8000");
    CString text = EncodeStringList(list);
    EXPECT_EQ(text[0], 'r');
    CStringArray decoded;
    ASSERT_TRUE(DecodeStringList(text, decoded));
    ASSERT_EQ(decoded.GetSize(), 300);
    for (int i = 0; i < 300; ++i)
        EXPECT_STREQ(decoded[i], list[i]);
}

TEST(StringListCodecTest, AMillionEmptyStringsIsStillAList)
{
    CStringArray decoded;
    ASSERT_TRUE(DecodeStringList("a1000000,1000000:0,", decoded));
    EXPECT_EQ(decoded.GetSize(), 1000000);
}

TEST(StringListCodecTest, RefusesDamagedTextsAndLeavesTheListEmpty)
{
    const char* const damaged[] = {
        NULL, "", "a0", "a2,3,1,abc", "a1,1:3,abc", "r3,1,2:1,x", "b1,1,x",
        "a1,x,abc", "a2,3,abc", "a-1,", "r2,0,", "a1,3,abcd", "r2,1,2:3,abcabc", "a1,2:1,x",
        // absurd counts of empty strings: refused at once, not allocated
        "a2000000000,2000000000:0,", "r2000000000,1,2000000000:0,",
    };
    for (const char* text : damaged)
    {
        CStringArray decoded;
        decoded.Add("stale");
        EXPECT_FALSE(DecodeStringList(text, decoded)) << (text != NULL ? text : "(null)");
        EXPECT_EQ(decoded.GetSize(), 0);
    }
}
