#include "foundation/windows/CheckedAlloc.h"
#include "foundation/windows/Clipboard.h"

#include "support/MessageBoxAnswerer.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

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
    HANDLE opened = ::CreateEventA(NULL, TRUE, FALSE, NULL);
    HANDLE release = ::CreateEventA(NULL, TRUE, FALSE, NULL);
    std::thread holder([&]() {
        HWND owner = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
        ::OpenClipboard(owner);
        ::SetEvent(opened);
        ::WaitForSingleObject(release, 10000);
        ::CloseClipboard();
        ::DestroyWindow(owner);
    });
    ::WaitForSingleObject(opened, 10000);

    CMessageBoxAnswerer answerer(IDOK);
    CopyTextToClipboard(NULL, "report");
    ::SetEvent(release);
    holder.join();
    ASSERT_EQ(answerer.Count(), 1);
    EXPECT_EQ(answerer.LastText(), "Unable to open Clipboard. ");
    ::CloseHandle(opened);
    ::CloseHandle(release);
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
