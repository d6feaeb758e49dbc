#include "tools/programs/bench_pictures/MetafileBench.h"

#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"
#include "output/pictures/Picture.h"
#include "tests/support/PictureEncoding.h"
#include "tools/programs/BenchTimer.h"

#include <stdio.h>

#include <algorithm>
#include <vector>

namespace
{
const int CellSize = 200;
const int DrawsPerRun = 100;

// The milliseconds of one drawing of the picture into the cell, the median of the runs.
double MedianDrawing(CPicture& picture, CDC* cell, int runs)
{
    const CRect box(0, 0, CellSize, CellSize);
    std::vector<double> perDrawing;
    for (int run = 0; run < runs; ++run)
    {
        const double start = BenchSeconds();
        for (int i = 0; i < DrawsPerRun; ++i)
            picture.Draw(cell, box, box, CPoint(0, 0));
        ::GdiFlush();
        perDrawing.push_back((BenchSeconds() - start) * 1000 / DrawsPerRun);
    }
    std::sort(perDrawing.begin(), perDrawing.end());
    return perDrawing[perDrawing.size() / 2];
}
} // namespace

void BenchMetafileDrawing(int runs)
{
    CPicture wmf;
    if (!wmf.LoadBuiltInLogo())
    {
        printf("metafile drawing: the built-in logo did not load\n");
        return;
    }
    // The logo recorded as an enhanced metafile of its own size.
    const RECT frame = {0, 0, (LONG)(wmf.GetWidthInInches() * 2540), (LONG)(wmf.GetHeightInInches() * 2540)};
    const std::vector<BYTE> emfBytes = MakeEmf(frame, [&](HDC dc) {
        CDC recording;
        recording.Attach(dc);
        const CRect box(0, 0, CellSize, CellSize);
        wmf.Draw(&recording, box, box, CPoint(0, 0));
        recording.Detach();
    });
    CPicture emf;
    emf.LoadFromMemory(emfBytes.data(), (DWORD)emfBytes.size(), MakePictureLoadOptions(96, 96));

    HDC screen = ::GetDC(NULL);
    COwnedDC cellDC(::CreateCompatibleDC(screen));
    COwnedGdiObject<HBITMAP> canvas(::CreateCompatibleBitmap(screen, CellSize, CellSize));
    ::ReleaseDC(NULL, screen);
    CSelectedObject selectedCanvas(cellDC, canvas);
    CDC cell;
    cell.Attach(cellDC);
    const double wmfTime = MedianDrawing(wmf, &cell, runs);
    const double emfTime = emf.HasPicture() ? MedianDrawing(emf, &cell, runs) : -1;
    cell.Detach();
    printf("metafile drawing into a %d x %d cell: Windows metafile (logo, %u bytes) %.3f ms, enhanced metafile "
           "(%u bytes) %.3f ms (median of %d runs of %d)\n",
           CellSize, CellSize, (unsigned)wmf.GetMemorySize(), wmfTime, (unsigned)emfBytes.size(), emfTime, runs,
           DrawsPerRun);
}
