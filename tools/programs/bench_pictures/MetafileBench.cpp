#include "tools/programs/bench_pictures/MetafileBench.h"

#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SavedDCState.h"
#include "foundation/windows/SelectedObject.h"
#include "output/pictures/BuiltInLogo.h"
#include "output/pictures/EnhMetafileCheck.h"
#include "output/pictures/EnhMetafileGuard.h"
#include "output/pictures/MetafileCheck.h"
#include "output/pictures/MetafileGuard.h"
#include "output/pictures/MetafilePicture.h"
#include "output/pictures/Picture.h"
#include "output/pictures/PlayStops.h"
#include "output/pictures/PlayerPrices.h"
#include "tests/support/PictureEncoding.h"
#include "tools/programs/BenchTimer.h"
#include "tools/programs/bench_pictures/BenchCell.h"

#include <stdio.h>

#include <cstring>
#include <functional>
#include <vector>

namespace
{
const int CellSize = 200;
const int DrawsPerRun = 100;
const int ChecksPerRun = 2000;
// A placeable metafile's own header, before the metafile's.
const DWORD PlaceableBytes = sizeof(PlaceableMetaHeader);

// The milliseconds of one 'draw' of a picture, the median of the runs of
// 'draws' each.
double MedianDrawing(const std::function<void()>& draw, int runs, int draws = DrawsPerRun)
{
    std::vector<double> perDrawing;
    for (int run = 0; run < runs; ++run)
    {
        const double start = BenchSeconds();
        for (int i = 0; i < draws; ++i)
            draw();
        ::GdiFlush();
        perDrawing.push_back((BenchSeconds() - start) * 1000 / draws);
    }
    return BenchMedian(perDrawing);
}

double MedianDrawing(CPicture& picture, CDC* cell, int runs, int draws = DrawsPerRun)
{
    const CRect box(0, 0, CellSize, CellSize);
    return MedianDrawing(
        [&] {
            picture.Draw(cell, box, box, CPoint(0, 0));
        },
        runs, draws);
}

// The milliseconds of one 'guarded' and one 'bare' drawing, each the median
// of the runs, the two taking turns so that the machine's other work falls
// on both alike.
void MedianPair(const std::function<void()>& guarded, const std::function<void()>& bare, int runs, int draws,
                double& guardedTime, double& bareTime)
{
    std::vector<double> guardedRuns, bareRuns;
    for (int run = 0; run < runs; ++run)
    {
        guardedRuns.push_back(MedianDrawing(guarded, 1, draws));
        bareRuns.push_back(MedianDrawing(bare, 1, draws));
    }
    guardedTime = BenchMedian(guardedRuns);
    bareTime = BenchMedian(bareRuns);
}

// The guarded player and the bare one on the same enhanced metafile, into
// the same cell: milliseconds of one drawing each.
void MedianPlaying(const std::vector<BYTE>& emf, CDC* cell, int runs, int draws, double& guarded, double& bare)
{
    COwnedEnhMetafile metafile(::SetEnhMetaFileBits((UINT)emf.size(), emf.data()));
    const RECT box = {0, 0, CellSize, CellSize};
    CPlayStops stops;
    MedianPair(
        [&] {
            PlayEnhMetafileGuarded(cell->m_hDC, metafile, box, (DWORD)emf.size(), stops);
        },
        [&] {
            ::PlayEnhMetaFile(cell->m_hDC, metafile, &box);
        },
        runs, draws, guarded, bare);
}

// The same for the logo's records, mapped onto the cell as the program maps
// a placed metafile.
void MedianLogoPlaying(CDC* cell, int runs, double& guarded, double& bare)
{
    PlaceableMetaHeader placed;
    std::memcpy(&placed, BuiltInLogo, sizeof(placed));
    const DWORD bytes = BuiltInLogoSize - PlaceableBytes;
    COwnedMetafile metafile(::SetMetaFileBitsEx(bytes, BuiltInLogo + PlaceableBytes));
    CPlayStops stops;
    const auto placing = [&](const std::function<void(HDC)>& play) {
        return [&, play] {
            const HDC dc = cell->m_hDC;
            CSavedDCState saved(dc);
            ::SetMapMode(dc, MM_ANISOTROPIC);
            ::SetWindowOrgEx(dc, placed.left, placed.top, NULL);
            ::SetWindowExtEx(dc, placed.right - placed.left, placed.bottom - placed.top, NULL);
            ::SetViewportExtEx(dc, CellSize, CellSize, NULL);
            play(dc);
        };
    };
    MedianPair(placing([&](HDC dc) {
                   PlayMetafileGuarded(dc, metafile, bytes, stops);
               }),
               placing([&](HDC dc) {
                   ::PlayMetaFile(dc, metafile);
               }),
               runs, DrawsPerRun, guarded, bare);
}

// A drawing of about 10,000 records, as a chart or a map records them:
// brushes and pens selected, rectangles, lines, polygons, ellipses and
// labels.
void DrawManyRecords(HDC dc)
{
    const COwnedGdiObject<HBRUSH> brushes[] = {COwnedGdiObject<HBRUSH>(::CreateSolidBrush(RGB(200, 40, 40))),
                                               COwnedGdiObject<HBRUSH>(::CreateSolidBrush(RGB(40, 160, 40)))};
    const COwnedGdiObject<HPEN> pens[] = {COwnedGdiObject<HPEN>(::CreatePen(PS_SOLID, 1, RGB(0, 0, 0))),
                                          COwnedGdiObject<HPEN>(::CreatePen(PS_SOLID, 3, RGB(0, 0, 160)))};
    CSelectedObject brush(dc, brushes[0]), pen(dc, pens[0]);
    for (int i = 0; i < 1000; ++i)
    {
        const int x = (i * 37) % 180, y = (i * 53) % 180;
        brush.Reselect(brushes[i % 2]);
        pen.Reselect(pens[i % 2]);
        ::Rectangle(dc, x, y, x + 12, y + 8);
        ::MoveToEx(dc, x, y, NULL);
        ::LineTo(dc, x + 15, y + 20);
        const POINT triangle[] = {{x, y + 10}, {x + 8, y + 2}, {x + 16, y + 10}};
        ::Polygon(dc, triangle, 3);
        ::Ellipse(dc, x + 2, y + 2, x + 9, y + 9);
        ::SetTextColor(dc, RGB(i % 256, 0, 0));
        ::TextOutA(dc, x, y, "Kestrova", 8);
    }
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

// The player's prices that the guard measures on this machine, against its
// built-in figures, and what measuring them cost.
void ReportPlayerPrices()
{
    static const char* const names[] = {
        "fill",           "blit", "masked blit", "alpha blit", "plain stretch", "halftone stretch", "gradient triangle",
        "glyph composite"};
    static_assert(sizeof(names) / sizeof(*names) == (size_t)PlayerPixel::Count, "a name for each kind");
    printf("player's prices measured here in %.2f ms (ns a pixel, measured / built in):",
           CPlayerPrices::MeasuringMilliseconds());
    for (int kind = 0; kind < (int)PlayerPixel::Count; ++kind)
        printf("%s %s %.1f / %.1f", kind == 0 ? "" : ",", names[kind],
               1000 * CPlayerPrices::Measured((PlayerPixel)kind), 1000 * CPlayerPrices::BuiltIn((PlayerPixel)kind));
    printf("\n");
}
} // namespace

void BenchMetafileDrawing(int runs)
{
    ReportPlayerPrices();
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
    // The guard against the bare player, each on the same metafile into the same cell.
    double guardedLogo, bareLogo, guardedEmf, bareEmf, guardedMany, bareMany;
    MedianLogoPlaying(cell.DC(), runs, guardedLogo, bareLogo);
    MedianPlaying(emfBytes, cell.DC(), runs, DrawsPerRun, guardedEmf, bareEmf);
    printf("guarded against bare player: logo as Windows metafile %.3f ms / %.3f ms (%.2f x), as enhanced metafile "
           "%.3f ms / %.3f ms (%.2f x)\n",
           guardedLogo, bareLogo, guardedLogo / bareLogo, guardedEmf, bareEmf, guardedEmf / bareEmf);
    const std::vector<BYTE> manyBytes = MakeEmf(RECT{0, 0, 5080, 5080}, DrawManyRecords);
    MedianPlaying(manyBytes, cell.DC(), runs, 5, guardedMany, bareMany);
    printf("guarded against bare player: enhanced metafile of %lu records (%u bytes) %.3f ms / %.3f ms (%.2f x)\n",
           (unsigned long)((const ENHMETAHEADER*)manyBytes.data())->nRecords, (unsigned)manyBytes.size(), guardedMany,
           bareMany, guardedMany / bareMany);
    const double wmfCheck =
        MedianCheck(IsMetafileSound, BuiltInLogo + PlaceableBytes, BuiltInLogoSize - PlaceableBytes, runs);
    const double emfCheck = MedianCheck(IsEnhMetafileSound, emfBytes.data(), (DWORD)emfBytes.size(), runs);
    printf("metafile check: Windows metafile (logo) %.3f us, enhanced metafile %.3f us (median of %d runs of %d; "
           "-1: refused)\n",
           wmfCheck, emfCheck, runs, ChecksPerRun);
}
