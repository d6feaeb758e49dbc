#include "tools/programs/bench_pictures/MetafileBench.h"

#include "output/pictures/BuiltInLogo.h"
#include "output/pictures/EnhMetafileCheck.h"
#include "output/pictures/MetafileCheck.h"
#include "output/pictures/MetafilePicture.h"
#include "output/pictures/Picture.h"
#include "tests/support/PictureEncoding.h"
#include "tools/programs/BenchTimer.h"
#include "tools/programs/bench_pictures/BenchCell.h"

#include <stdio.h>

#include <cstring>
#include <vector>

namespace
{
const int CellSize = 200;
const int DrawsPerRun = 100;
const int ChecksPerRun = 2000;
// A placeable metafile's own header, before the metafile's.
const DWORD PlaceableBytes = sizeof(PlaceableMetaHeader);

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
    return BenchMedian(perDrawing);
}

// The microseconds of one check of the bytes, the median of the runs.
double MedianCheck(BOOL (*check)(const BYTE*, DWORD), const BYTE* data, DWORD size, int runs)
{
    std::vector<double> perCheck;
    for (int run = 0; run < runs; ++run)
    {
        const double start = BenchSeconds();
        for (int i = 0; i < ChecksPerRun; ++i)
        {
            // The check reads only memory: without this barrier the compiler
            // may check once for all rounds.
            asm volatile("" ::: "memory");
            if (!check(data, size))
                return -1;
        }
        perCheck.push_back((BenchSeconds() - start) * 1e6 / ChecksPerRun);
    }
    return BenchMedian(perCheck);
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

    CBenchCell cell(CellSize);
    const double wmfTime = MedianDrawing(wmf, cell.DC(), runs);
    const double emfTime = emf.HasPicture() ? MedianDrawing(emf, cell.DC(), runs) : -1;
    printf("metafile drawing into a %d x %d cell: Windows metafile (logo, %u bytes) %.3f ms, enhanced metafile "
           "(%u bytes) %.3f ms (median of %d runs of %d)\n",
           CellSize, CellSize, (unsigned)wmf.GetMemorySize(), wmfTime, (unsigned)emfBytes.size(), emfTime, runs,
           DrawsPerRun);
    const double wmfCheck =
        MedianCheck(IsMetafileSound, BuiltInLogo + PlaceableBytes, BuiltInLogoSize - PlaceableBytes, runs);
    const double emfCheck = MedianCheck(IsEnhMetafileSound, emfBytes.data(), (DWORD)emfBytes.size(), runs);
    printf("metafile check: Windows metafile (logo) %.3f us, enhanced metafile %.3f us (median of %d runs of %d; "
           "-1: refused)\n",
           wmfCheck, emfCheck, runs, ChecksPerRun);
}
