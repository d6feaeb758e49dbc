#include "output/pictures/WmfRecordKinds.h"

#include "output/pictures/WmfRecordMemory.h"
#include "output/pictures/WmfRecordWork.h"
#include "output/pictures/WithArguments.h"

#include <array>

namespace
{
constexpr Destination Nowhere = {-1, -1, -1, -1, PlayerPixel::Fill};
// A destination whose left, top, width and height are the parameters from
// 'left' down.
constexpr Destination Box(int left, PlayerPixel pixel = PlayerPixel::Blit)
{
    return {left, left - 1, left - 2, left - 3, pixel};
}

// A row a kind: the fixed parameters and the check of what the player reads
// beyond them, the time price, the memory price, where it places what it
// draws, what it is.
constexpr WmfRecordKind Kinds[] = {
    {META_SETBKCOLOR, 2, nullptr, nullptr, nullptr, Nowhere, State},
    {META_SETBKMODE, 1, nullptr, nullptr, nullptr, Nowhere, State},
    {META_SETMAPMODE, 1, nullptr, nullptr, nullptr, Nowhere, Mapping},
    {META_SETROP2, 1, nullptr, nullptr, nullptr, Nowhere, State},
    {META_SETRELABS, 1, nullptr, nullptr, nullptr, Nowhere, State},
    {META_SETPOLYFILLMODE, 1, nullptr, nullptr, nullptr, Nowhere, State},
    {META_SETSTRETCHBLTMODE, 1, nullptr, nullptr, nullptr, Nowhere, State},
    {META_SETTEXTCHAREXTRA, 1, nullptr, nullptr, nullptr, Nowhere, State},
    {META_SETTEXTCOLOR, 2, nullptr, nullptr, nullptr, Nowhere, State},
    {META_SETTEXTJUSTIFICATION, 2, nullptr, nullptr, nullptr, Nowhere, State},
    {META_SETWINDOWORG, 2, nullptr, nullptr, nullptr, Nowhere, Mapping},
    {META_SETWINDOWEXT, 2, nullptr, nullptr, nullptr, Nowhere, Mapping},
    {META_SETVIEWPORTORG, 2, nullptr, nullptr, nullptr, Nowhere, Mapping},
    {META_SETVIEWPORTEXT, 2, nullptr, nullptr, nullptr, Nowhere, Mapping},
    {META_OFFSETWINDOWORG, 2, nullptr, nullptr, nullptr, Nowhere, Mapping},
    {META_SCALEWINDOWEXT, 4, nullptr, nullptr, nullptr, Nowhere, Mapping},
    {META_OFFSETVIEWPORTORG, 2, nullptr, nullptr, nullptr, Nowhere, Mapping},
    {META_SCALEVIEWPORTEXT, 4, nullptr, nullptr, nullptr, Nowhere, Mapping},
    {META_LINETO, 2, nullptr, WmfLineToWork, nullptr, Nowhere, MovesToPoint},
    {META_MOVETO, 2, nullptr, nullptr, nullptr, Nowhere, State},
    {META_EXCLUDECLIPRECT, 4, nullptr, nullptr, ClipChangeMemory<CDrawingMemory::ExcludesClip>, Nowhere, State},
    {META_INTERSECTCLIPRECT, 4, nullptr, nullptr, ClipChangeMemory<CDrawingMemory::IntersectsClip>, Nowhere, State},
    {META_ARC, 8, nullptr, WithArguments<WmfBoxWork, 7u, true, true>, nullptr, Nowhere, 0},
    {META_ELLIPSE, 4, nullptr, WithArguments<WmfBoxWork, 3u, false, true>, nullptr, Nowhere, 0},
    {META_FLOODFILL, 4, nullptr, WithArguments<WmfFloodFillWork, 3, 2>, nullptr, Nowhere, 0},
    {META_PIE, 8, nullptr, WithArguments<WmfBoxWork, 7u, false, true>, nullptr, Nowhere, 0},
    {META_RECTANGLE, 4, nullptr, WithArguments<WmfBoxWork, 3u, false, false>, nullptr, Nowhere, 0},
    {META_ROUNDRECT, 6, nullptr, WithArguments<WmfBoxWork, 5u, false, true>, nullptr, Nowhere, 0},
    {META_PATBLT, 6, nullptr, WmfPlacedWork, nullptr, Box(5, PlayerPixel::Fill), 0},
    {META_SAVEDC, 0, nullptr, nullptr, ClipChangeMemory<CDrawingMemory::SavesDC>, Nowhere, State | SavesState},
    {META_SETPIXEL, 4, nullptr, WmfPixelWork, nullptr, Nowhere, 0},
    {META_OFFSETCLIPRGN, 2, nullptr, nullptr, ClipChangeMemory<CDrawingMemory::OffsetsClip>, Nowhere, State},
    {META_TEXTOUT, 0, HasWmfText, WmfTextOutWork, WmfTextOutMemory, Nowhere, 0},
    {META_BITBLT, 0, HasWmfBlitBitmap, WmfPlacedWork, WmfBlitBitmapMemory, Box(6), 0},
    {META_STRETCHBLT, 0, HasWmfStretchedBitmap, WmfPlacedWork, WmfStretchedBitmapMemory, Box(9), Stretches},
    {META_POLYGON, 0, HasWmfPoints, WmfPolygonWork, nullptr, Nowhere, 0},
    {META_POLYLINE, 0, HasWmfPoints, WmfPolylineWork, nullptr, Nowhere, 0},
    {META_ESCAPE, 0, HasWmfEscapeData, nullptr, nullptr, Nowhere, State},
    {META_RESTOREDC, 1, nullptr, nullptr, ClipChangeMemory<CDrawingMemory::RestoresDC>, Nowhere,
     Mapping | Reselects | RestoresState},
    {META_FILLREGION, 2, NamesWmfRegionAndBrush, WmfClipAreaWork, WmfPaintedRegionMemory, Nowhere, 0},
    {META_FRAMEREGION, 4, FramesWmfRegion, WmfFramedRegionWork, WmfFramedRegionMemory, Nowhere, 0},
    {META_INVERTREGION, 1, NamesWmfObject, WmfClipAreaWork, WmfPaintedRegionMemory, Nowhere, 0},
    {META_PAINTREGION, 1, NamesWmfObject, WmfClipAreaWork, WmfPaintedRegionMemory, Nowhere, 0},
    {META_SELECTCLIPREGION, 1, NamesWmfClipRegion, WmfClipAreaWork, WmfClipRegionMemory, Nowhere, 0},
    {META_SELECTOBJECT, 1, NamesWmfObject, nullptr, WmfSelectedObjectMemory, Nowhere, State | Reselects},
    {META_SETTEXTALIGN, 1, nullptr, nullptr, nullptr, Nowhere, State},
    {META_CHORD, 8, nullptr, WithArguments<WmfBoxWork, 7u, false, true>, nullptr, Nowhere, 0},
    {META_SETMAPPERFLAGS, 2, nullptr, nullptr, nullptr, Nowhere, State},
    {META_EXTTEXTOUT, 0, HasWmfExtText, WmfExtTextOutWork, WmfExtTextOutMemory, {1, 0, -1, -1, PlayerPixel::Fill}, 0},
    {META_SETDIBTODEV, 0, HasWmfDibToDevice, WmfPlacedWork, WmfDibMemory<9>, Box(8), 0},
    {META_SELECTPALETTE, 1, NamesWmfObject, nullptr, nullptr, Nowhere, State},
    {META_REALIZEPALETTE, 0, nullptr, nullptr, nullptr, Nowhere, State},
    {META_ANIMATEPALETTE, 0, HasWmfPaletteEntries, nullptr, nullptr, Nowhere, State},
    {META_SETPALENTRIES, 0, HasWmfPaletteEntries, nullptr, nullptr, Nowhere, State},
    {META_POLYPOLYGON, 0, HasWmfPolygons, WmfPolyPolygonWork, nullptr, Nowhere, 0},
    {META_RESIZEPALETTE, 1, nullptr, nullptr, nullptr, Nowhere, State},
    // Without a bitmap the player fills the destination as a pattern.
    {META_DIBBITBLT, 0, HasWmfBlitDib, WmfDibBlitWork, WmfBlitDibMemory, Box(7), 0},
    {META_DIBSTRETCHBLT, 0, HasWmfStretchedDib, WmfPlacedWork, WmfStretchedDibMemory, Box(9), Stretches},
    {META_DIBCREATEPATTERNBRUSH, 0, HasWmfPatternDib, nullptr, WmfPatternDibMemory, Nowhere, Object},
    {META_STRETCHDIB, 0, HasWmfStretchDib, WmfPlacedWork, WmfDibMemory<11>, Box(10), Stretches},
    {META_EXTFLOODFILL, 5, nullptr, WithArguments<WmfFloodFillWork, 4, 3>, nullptr, Nowhere, 0},
    {META_SETLAYOUT, 0, nullptr, nullptr, nullptr, Nowhere, Mapping},
    {META_DELETEOBJECT, 1, NamesWmfObject, nullptr, nullptr, Nowhere, State},
    {META_CREATEPALETTE, 0, HasWmfPaletteEntries, nullptr, nullptr, Nowhere, Object},
    {META_CREATEPATTERNBRUSH, 0, HasWmfPatternBitmap, nullptr, WmfPatternBitmapMemory, Nowhere, Object},
    {META_CREATEPENINDIRECT, 5, nullptr, nullptr, nullptr, Nowhere, Object},
    {META_CREATEFONTINDIRECT, 9, nullptr, nullptr, nullptr, Nowhere, Object},
    {META_CREATEBRUSHINDIRECT, 4, nullptr, nullptr, nullptr, Nowhere, Object},
    // A region object: made by the player, not only state.
    {META_CREATEREGION, 0, HasWmfRegion, WmfRegionMadeWork, WmfRegionMadeMemory, Nowhere, MakesObject},
};

// The kinds by the function's low byte, which tells every kind apart, so
// that finding one is an index.
constexpr std::array<WmfRecordKind, 257> KindsByNumber()
{
    std::array<WmfRecordKind, 257> kinds = {};
    for (WmfRecordKind& kind : kinds)
        kind = {0, 0, nullptr, nullptr, nullptr, Nowhere, 0};
    for (const WmfRecordKind& kind : Kinds)
        kinds[kind.function & 0xFF] = kind;
    return kinds;
}
} // namespace

const std::array<WmfRecordKind, 257> WmfRecordKindsByNumber = KindsByNumber();
