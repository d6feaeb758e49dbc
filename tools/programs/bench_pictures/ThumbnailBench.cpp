// Thumbnails made on worker threads: throughput of the thumbnail maker with
// one to four workers, and how long the thumbnail grid keeps its thread busy
// (the longest single message it handles) while the thumbnails of a folder
// of big photographs are made and the user pages through them.
#include "tools/programs/bench_pictures/ThumbnailBench.h"

#include "output/pictures/ThumbnailGrid.h"
#include "output/pictures/ThumbnailMaker.h"
#include "tools/programs/BenchTimer.h"

#include <stdio.h>

#include <algorithm>
#include <vector>

std::string PhotoPath(const std::string& folder, int i)
{
    return folder + "\\photo" + std::to_string(i) + ".jpg";
}

namespace
{
struct MessageTimes
{
    double longest = 0;
    UINT longestMessage = 0;
    int paints = 0;
    double painting = 0; // seconds in all paints
};

// Dispatches waiting messages; the longest single dispatch and its message
// are kept, and the paints counted.
void Pump(MessageTimes& times)
{
    MSG message;
    while (::PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
    {
        const double t = BenchSeconds();
        ::DispatchMessageA(&message);
        const double spent = BenchSeconds() - t;
        if (spent > times.longest)
        {
            times.longest = spent;
            times.longestMessage = message.message;
        }
        if (message.message == WM_PAINT)
        {
            ++times.paints;
            times.painting += spent;
        }
    }
}
} // namespace

void BenchThumbnailMaker(const std::string& folder, int files)
{
    CWnd window;
    window.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0);
    for (int threads : {1, 2, 4})
    {
        CThumbnailMaker maker;
        maker.Start(window.m_hWnd, WM_APP + 1, threads);
        const double start = BenchSeconds();
        for (int i = 0; i < files; ++i)
            maker.Request(i, PhotoPath(folder, i).c_str(), CSize(190, 190), MakePictureLoadOptions(96, 96),
                          RGB(212, 208, 200));
        int made = 0;
        while (maker.IsBusy())
        {
            for (const ThumbnailResult& result : maker.TakeResults())
                made += result.loaded ? 1 : 0;
            ::Sleep(1);
        }
        const double total = BenchSeconds() - start;
        printf("thumbnail maker, %d worker(s): %d of %d thumbnails in %.2f s, %.1f ms each\n", threads, made, files,
               total, total * 1000 / files);
    }
    window.DestroyWindow();
}

void BenchThumbnailGrid(const std::string& folder, int files)
{
    CWnd frame;
    frame.CreateEx(0, AfxRegisterWndClass(0), "Thumbnails", WS_POPUP | WS_VISIBLE, CRect(0, 0, 1020, 640), NULL, 0);
    CThumbnailGrid grid;
    grid.SetSettingsKey("", "");
    grid.Create(&frame, CRect(0, 0, 1020, 640), 1);
    MessageTimes times;
    double start = BenchSeconds();
    grid.SetFolder(folder.c_str());
    grid.UpdateWindow();
    const double firstPaint = BenchSeconds() - start;
    const int perPage = grid.GetColumns() * grid.GetFullRows();
    auto pageShown = [&](int first) {
        for (int i = first; i < std::min(first + perPage, grid.GetCount()); ++i)
            if (!grid.HasThumbnail(i))
                return false;
        return true;
    };
    while (!pageShown(0))
    {
        Pump(times);
        ::Sleep(1);
    }
    const double firstPage = BenchSeconds() - start;
    // Page Down through the whole folder, waiting for each page.
    grid.SetSelection(0);
    while (grid.GetFirstRow() * grid.GetColumns() + perPage < grid.GetCount())
    {
        grid.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
        grid.UpdateWindow();
        while (!pageShown(grid.GetFirstRow() * grid.GetColumns()))
        {
            Pump(times);
            ::Sleep(1);
        }
    }
    const double all = BenchSeconds() - start;
    printf("grid of %d photos, %d cells a page, %d worker(s): first paint %.1f ms, first page shown after %.2f s, "
           "all pages after %.2f s; longest message handled while making: %.1f ms (message 0x%X); "
           "%d paints of %.1f ms on average\n",
           grid.GetCount(), perPage, CThumbnailMaker::DefaultThreadCount(), firstPaint * 1000, firstPage, all,
           times.longest * 1000, times.longestMessage, times.paints,
           times.paints > 0 ? times.painting * 1000 / times.paints : 0.0);
    frame.DestroyWindow();
}
