#include "foundation/system/CheckedAlloc.h"
#include "foundation/windows/Clipboard.h"

#include "support/ClipboardHolder.h"
#include "support/MessageBoxAnswerer.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
    bool ReadClipboardText(std::string& text)
    {
        if (!::OpenClipboard(NULL))
            return false;
        HANDLE data = ::GetClipboardData(CF_TEXT);
        bool ok = false;
        if (data != NULL)
        {
            const char* bytes = (const char*)::GlobalLock(data);
            if (bytes != NULL)
            {
                text.assign(bytes);
                ::GlobalUnlock(data);
                ok = true;
            }
        }
        ::CloseClipboard();
        return ok;
    }
}

TEST(ClipboardTest, TextsReachTheClipboardByteForByte)
{
    CMessageBoxAnswerer answerer(IDOK);
    CopyTextToClipboard(NULL, "Maternal genotype\nB/b\r\nE/e");
    std::string text;
    ASSERT_TRUE(ReadClipboardText(text));
    EXPECT_EQ(text, "Maternal genotype\nB/b\r\nE/e");

    CopyTextToClipboard(NULL, "");
    ASSERT_TRUE(ReadClipboardText(text));
    EXPECT_EQ(text, "");

    CopyTextToClipboard(NULL, "kept");
    CopyTextToClipboard(NULL, NULL);
    ASSERT_TRUE(ReadClipboardText(text));
    EXPECT_EQ(text, "kept");
    PutOnClipboard(NULL, NULL, CF_TEXT);
    EXPECT_EQ(answerer.Count(), 0);
}

TEST(ClipboardTest, AClipboardHeldElsewhereIsReported)
{
    CMessageBoxAnswerer answerer(IDOK);
    {
        CClipboardHolder holder;
        CopyTextToClipboard(NULL, "report");
    }
    ASSERT_EQ(answerer.Count(), 1);
    EXPECT_EQ(answerer.LastText(), "Unable to open Clipboard. ");
}

TEST(CheckedAllocTest, ZeroSizesAndExhaustion)
{
    EXPECT_EQ(CheckedMalloc(0), (void*)NULL);
    EXPECT_EQ(CheckedCalloc(0), (void*)NULL);
    EXPECT_EQ(CheckedRealloc(NULL, 0), (void*)NULL);

    unsigned char* block = (unsigned char*)CheckedCalloc(64);
    ASSERT_NE(block, (unsigned char*)NULL);
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(block[i], 0);
    block[63] = 7;
    block = (unsigned char*)CheckedRealloc(block, 4096);
    EXPECT_EQ(block[63], 7);

    bool raised = false;
    try
    {
        CheckedRealloc(block, (size_t)0xFFFFFFF0u);
    }
    catch (CMemoryException* e)
    {
        e->Delete();
        raised = true;
    }
    EXPECT_TRUE(raised);
    // The old block stays the caller's.
    EXPECT_EQ(block[63], 7);
    EXPECT_EQ(CheckedRealloc(block, 0), (void*)NULL);

    void* fresh = CheckedRealloc(NULL, 16);
    EXPECT_NE(fresh, (void*)NULL);
    CheckedRealloc(fresh, 0);
}
