// Thumbnails made away from the window's thread: each picture kind drawn
// small with its proportions and kind, files that are no pictures refused,
// and requests that are dropped or made stale never come back; stopped
// workers leave none of their framework state behind.
#include "output/pictures/ThumbnailMaker.h"

#include "TestPictures.h"
#include "afx/app/ThreadState.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"
#include "support/ScratchFolder.h"
#include "support/MessagePump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>

namespace
{
const COLORREF Face = RGB(212, 208, 200);

Bytes FilledWmf(COLORREF colour)
{
    // Two inches by one at 100 units per inch.
    return MakePlaceableWmf(200, 100, 100, [=](HDC dc) {
        RECT all = {0, 0, 200, 100};
        ::FillRect(dc, &all, COwnedGdiObject<HBRUSH>(::CreateSolidBrush(colour)));
    });
}

Bytes FilledEmf(COLORREF colour)
{
    const RECT frame = {0, 0, 5080, 2540}; // two inches by one
    return MakeEmf(frame, [=](HDC dc) {
        RECT all = {0, 0, 4000, 2000};
        ::FillRect(dc, &all, COwnedGdiObject<HBRUSH>(::CreateSolidBrush(colour)));
    });
}

COLORREF CentreOf(HBITMAP bitmap, CSize size)
{
    COwnedDC dc(::CreateCompatibleDC(NULL));
    CSelectedObject selected(dc, bitmap);
    return ::GetPixel(dc, size.cx / 2, size.cy / 2);
}

class ThumbnailMakerTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = new CScratchFolder("thumbnail_maker");
        WriteBytes(*folder / "wide.bmp", MakeBmp(60, 30, 24, {}, [](int, int) {
            return RGB(200, 0, 0);
        }));
        WriteBytes(*folder / "palette.bmp", MakeBmp(40, 40, 8, {RGB(0, 0, 255)}, [](int, int) {
            return 0;
        }));
        WriteBytes(*folder / "big.jpg", MakeJpeg(1600, 800, JpegBaseline, [](int, int) {
            return RGB(0, 160, 0);
        }));
        WriteBytes(*folder / "grey.jpg", MakeJpeg(64, 64, JpegGrey, [](int, int) {
            return RGB(128, 128, 128);
        }));
        WriteBytes(*folder / "logo.wmf", FilledWmf(RGB(255, 0, 255)));
        WriteBytes(*folder / "frame.emf", FilledEmf(RGB(0, 128, 128)));
        folder->WriteFile("notes.txt", "not a picture");
        folder->WriteFile("broken.jpg", std::string("\xFF\xD8\xFF\xE0 not really", 15));
    }
    static void TearDownTestSuite() { delete folder; }

    static CScratchFolder* folder;
};
CScratchFolder* ThumbnailMakerTest::folder = NULL;

void WaitUntilIdle(CThumbnailMaker& maker, std::vector<ThumbnailResult>& results)
{
    // The window's messages stay in the queue: the tests look for them.
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < PumpLimit)
    {
        std::vector<ThumbnailResult> taken = maker.TakeResults();
        results.insert(results.end(), std::make_move_iterator(taken.begin()), std::make_move_iterator(taken.end()));
        if (!maker.IsBusy())
            return;
        ::Sleep(5);
    }
}
} // namespace

TEST_F(ThumbnailMakerTest, EachKindDrawnSmallWithItsProportionsAndKind)
{
    const struct
    {
        const char* name;
        CSize size; // of the thumbnail in a 100 x 100 box; (0, 0) when refused
        double inches[2];
        BOOL isBitmap;
        int bitCount;
        COLORREF centre;
    } cases[] = {
        {"wide.bmp", CSize(60, 30), {0.625, 0.3125}, TRUE, 24, RGB(200, 0, 0)}, // never larger than its pixels
        {"palette.bmp", CSize(40, 40), {40 / 96.0, 40 / 96.0}, TRUE, 8, RGB(0, 0, 255)},
        {"big.jpg", CSize(100, 50), {1600 / 96.0, 800 / 96.0}, TRUE, 24, RGB(0, 160, 0)}, // decoded reduced
        {"grey.jpg", CSize(64, 64), {64 / 96.0, 64 / 96.0}, TRUE, 8, RGB(128, 128, 128)},
        {"logo.wmf", CSize(100, 50), {2.0, 1.0}, FALSE, 0, RGB(255, 0, 255)},
        {"frame.emf", CSize(100, 50), {2.0, 1.0}, FALSE, 0, RGB(0, 128, 128)},
        {"notes.txt", CSize(0, 0), {0, 0}, FALSE, 0, 0},
        {"broken.jpg", CSize(0, 0), {0, 0}, FALSE, 0, 0},
        {"missing.bmp", CSize(0, 0), {0, 0}, FALSE, 0, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        ThumbnailBitmap thumbnail;
        const BOOL made = MakeThumbnailBitmap((*folder / c.name).c_str(), CSize(100, 100),
                                              MakePictureLoadOptions(96, 96), Face, thumbnail);
        EXPECT_EQ(made, c.size.cx > 0);
        EXPECT_EQ(thumbnail.bitmap != NULL, made != FALSE);
        if (!made)
            continue;
        EXPECT_EQ(thumbnail.size, c.size);
        EXPECT_NEAR(thumbnail.widthInInches, c.inches[0], 1e-6);
        EXPECT_NEAR(thumbnail.heightInInches, c.inches[1], 1e-6);
        EXPECT_EQ(thumbnail.isBitmap, c.isBitmap);
        EXPECT_EQ(thumbnail.bitCount, c.bitCount);
        BITMAP record;
        ASSERT_EQ(::GetObjectA(thumbnail.bitmap, sizeof(record), &record), (int)sizeof(record));
        EXPECT_EQ(CSize(record.bmWidth, record.bmHeight), c.size);
        EXPECT_TRUE(Near(CentreOf(thumbnail.bitmap, c.size), c.centre, 8))
            << std::hex << CentreOf(thumbnail.bitmap, c.size);
    }
}

// Requests dropped before they start come back as dropped indexes, the rest
// as results: each index exactly once. After a reset nothing earlier returns.
TEST_F(ThumbnailMakerTest, DroppedAndStaleRequestsNeverComeBack)
{
    CWnd window;
    window.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0);
    const UINT Made = WM_APP + 7;
    const char* names[] = {"wide.bmp", "big.jpg", "logo.wmf", "notes.txt"};
    for (int threads : {1, 3})
    {
        SCOPED_TRACE(threads);
        std::unique_ptr<CThumbnailMaker> maker(new CThumbnailMaker);
        maker->Start(window.m_hWnd, Made, threads);
        auto requestAll = [&](int count) {
            for (int i = 0; i < count; ++i)
                maker->Request(i, (*folder / names[i % 4]).c_str(), CSize(80, 80), MakePictureLoadOptions(96, 96),
                               Face);
        };

        requestAll(40);
        std::vector<int> seen = maker->CancelWaiting();
        std::vector<ThumbnailResult> results;
        WaitUntilIdle(*maker, results);
        for (const ThumbnailResult& result : results)
        {
            seen.push_back(result.index);
            EXPECT_EQ(result.loaded, result.index % 4 != 3) << result.index;
            EXPECT_EQ(result.thumbnail.bitmap != NULL, result.loaded != FALSE);
        }
        std::sort(seen.begin(), seen.end());
        std::vector<int> all(40);
        for (int i = 0; i < 40; ++i)
            all[i] = i;
        EXPECT_EQ(seen, all);

        requestAll(40);
        maker->Reset();
        results.clear();
        WaitUntilIdle(*maker, results);
        EXPECT_TRUE(results.empty());

        // The window hears of finished thumbnails.
        MSG message;
        while (::PeekMessageA(&message, window.m_hWnd, Made, Made, PM_REMOVE))
        {
        }
        requestAll(2);
        WaitUntilIdle(*maker, results);
        EXPECT_EQ(results.size(), 2u);
        EXPECT_TRUE(::PeekMessageA(&message, window.m_hWnd, Made, Made, PM_REMOVE));
        maker.reset(); // joins its workers
    }
    window.DestroyWindow();
}

TEST_F(ThumbnailMakerTest, StoppedWorkersLeaveNoThreadStateBehind)
{
    CWnd window;
    window.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0);
    AfxGetThreadState();
    const LONG before = AfxGetLiveThreadStateCount();
    for (int round = 0; round < 5; ++round)
    {
        CThumbnailMaker maker;
        maker.Start(window.m_hWnd, WM_APP + 8, 4);
        for (int i = 0; i < 8; ++i)
            maker.Request(i, (*folder / (i % 2 ? "logo.wmf" : "wide.bmp")).c_str(), CSize(80, 80),
                          MakePictureLoadOptions(96, 96), Face);
        std::vector<ThumbnailResult> results;
        WaitUntilIdle(maker, results);
        EXPECT_EQ(results.size(), 8u);
        EXPECT_GT(AfxGetLiveThreadStateCount(), before); // the workers drew with the framework
        results.clear();
        maker.Stop();
        EXPECT_EQ(AfxGetLiveThreadStateCount(), before) << "round " << round;
    }
    window.DestroyWindow();
}
