#include "output/pictures/WmfRecordKinds.h"

#include "output/pictures/WmfRecordMemory.h"
#include "output/pictures/WmfRecordWork.h"
#include "output/pictures/WithArguments.h"
#include "output/pictures/WmfRecordChecks.h"

#include <array>

namespace
{
// Checks and prices that several rows share.
constexpr WmfRecordCheck* NamesObject = WithArguments<NamesWmfObjects, 0, 1>;
constexpr WmfRecordCheck* HasPaletteEntries = WithArguments<HasWmfItems, 1, 4, 0>;
constexpr WmfMemoryPrice* PaintsRegion = WithArguments<WmfPaintedRegionMemory, false>;

// A row a kind: the fixed parameters and the check of what the player reads
// beyond them, the time price, the memory price, what it is.
constexpr WmfRecordKind Kinds[] = {
    {META_SETBKCOLOR, 2, nullptr, nullptr, nullptr, State},
    {META_SETBKMODE, 1, nullptr, nullptr, nullptr, State},
    {META_SETMAPMODE, 1, nullptr, nullptr, nullptr, Mapping},
    {META_SETROP2, 1, nullptr, nullptr, nullptr, State},
    {META_SETRELABS, 1, nullptr, nullptr, nullptr, State},
    {META_SETPOLYFILLMODE, 1, nullptr, nullptr, nullptr, State},
    {META_SETSTRETCHBLTMODE, 1, nullptr, nullptr, nullptr, State},
    {META_SETTEXTCHAREXTRA, 1, nullptr, nullptr, nullptr, State},
    {META_SETTEXTCOLOR, 2, nullptr, nullptr, nullptr, State},
    {META_SETTEXTJUSTIFICATION, 2, nullptr, nullptr, nullptr, State},
    {META_SETWINDOWORG, 2, nullptr, nullptr, nullptr, Mapping},
    {META_SETWINDOWEXT, 2, nullptr, nullptr, nullptr, Mapping},
    {META_SETVIEWPORTORG, 2, nullptr, nullptr, nullptr, Mapping},
    {META_SETVIEWPORTEXT, 2, nullptr, nullptr, nullptr, Mapping},
    {META_OFFSETWINDOWORG, 2, nullptr, nullptr, nullptr, Mapping},
    {META_SCALEWINDOWEXT, 4, nullptr, nullptr, nullptr, Mapping},
    {META_OFFSETVIEWPORTORG, 2, nullptr, nullptr, nullptr, Mapping},
    {META_SCALEVIEWPORTEXT, 4, nullptr, nullptr, nullptr, Mapping},
    {META_LINETO, 2, nullptr, WmfLineToWork, nullptr, MovesToPoint},
    {META_MOVETO, 2, nullptr, nullptr, nullptr, State},
    {META_EXCLUDECLIPRECT, 4, nullptr, nullptr, ClipChangeMemory<CDrawingMemory::ExcludesClip>, State},
    {META_INTERSECTCLIPRECT, 4, nullptr, nullptr, ClipChangeMemory<CDrawingMemory::IntersectsClip>, State},
    {META_ARC, 8, nullptr, WithArguments<WmfBoxWork, true, true>, nullptr, 0},
    {META_ELLIPSE, 4, nullptr, WithArguments<WmfBoxWork, false, true>, nullptr, 0},
    {META_FLOODFILL, 4, nullptr, WmfFloodFillWork, nullptr, 0},
    {META_PIE, 8, nullptr, WithArguments<WmfBoxWork, false, true>, nullptr, 0},
    {META_RECTANGLE, 4, nullptr, WithArguments<WmfBoxWork, false, false>, nullptr, 0},
    {META_ROUNDRECT, 6, nullptr, WithArguments<WmfBoxWork, false, true>, nullptr, 0},
    {META_PATBLT, 6, nullptr, WithArguments<WmfBlitWork, 5, PlayerPixel::Fill>, nullptr, 0},
    {META_SAVEDC, 0, nullptr, nullptr, ClipChangeMemory<CDrawingMemory::SavesDC>, State | SavesState},
    {META_SETPIXEL, 4, nullptr, WmfPixelWork, nullptr, 0},
    {META_OFFSETCLIPRGN, 2, nullptr, nullptr, ClipChangeMemory<CDrawingMemory::OffsetsClip>, State},
    {META_TEXTOUT, 1, WithArguments<HasWmfItems, 0, 1, 2>, WithArguments<WmfTextWork, false>,
     WithArguments<WmfTextMemory, false>, 0},
    {META_BITBLT, 0, WithArguments<HasWmfBitmap16, 8, 7>, WithArguments<WmfBlitWork, 6, PlayerPixel::Blit>,
     WithArguments<WmfBitmap16Memory, 9, 7>, 0},
    {META_STRETCHBLT, 0, WithArguments<HasWmfBitmap16, 10, 10>, WithArguments<WmfBlitWork, 9, PlayerPixel::Blit>,
     WithArguments<WmfBitmap16Memory, 11, 10>, Stretches},
    {META_POLYGON, 1, WithArguments<HasWmfItems, 0, 4, 0>, WithArguments<WmfFiguresWork, false, true>, nullptr, 0},
    {META_POLYLINE, 1, WithArguments<HasWmfItems, 0, 4, 0>, WithArguments<WmfFiguresWork, false, false>, nullptr, 0},
    {META_ESCAPE, 2, WithArguments<HasWmfItems, 1, 1, 0>, nullptr, nullptr, State},
    {META_RESTOREDC, 1, nullptr, nullptr, ClipChangeMemory<CDrawingMemory::RestoresDC>,
     Mapping | Reselects | RestoresState},
    {META_FILLREGION, 2, WithArguments<NamesWmfObjects, 0, 2>, WmfClipAreaWork, PaintsRegion, 0},
    {META_FRAMEREGION, 4, FramesWmfRegion, WmfFramedRegionWork, WithArguments<WmfPaintedRegionMemory, true>, 0},
    {META_INVERTREGION, 1, NamesObject, WmfClipAreaWork, PaintsRegion, 0},
    {META_PAINTREGION, 1, NamesObject, WmfClipAreaWork, PaintsRegion, 0},
    {META_SELECTCLIPREGION, 1, NamesWmfClipRegion, WmfClipAreaWork, WithArguments<WmfClipRegionMemory, false>, 0},
    {META_SELECTOBJECT, 1, NamesObject, nullptr, WithArguments<WmfClipRegionMemory, true>, State | Reselects},
    {META_SETTEXTALIGN, 1, nullptr, nullptr, nullptr, State},
    {META_CHORD, 8, nullptr, WithArguments<WmfBoxWork, false, true>, nullptr, 0},
    {META_SETMAPPERFLAGS, 2, nullptr, nullptr, nullptr, State},
    {META_EXTTEXTOUT, 4, HasWmfExtText, WithArguments<WmfTextWork, true>, WithArguments<WmfTextMemory, true>, 0},
    {META_SETDIBTODEV, 9, WithArguments<HasWmfDib, 9, 0>, WithArguments<WmfBlitWork, 8, PlayerPixel::Blit>,
     WithArguments<WmfDibMemory, 9>, 0},
    {META_SELECTPALETTE, 1, NamesObject, nullptr, nullptr, State},
    {META_REALIZEPALETTE, 0, nullptr, nullptr, nullptr, State},
    {META_ANIMATEPALETTE, 2, HasPaletteEntries, nullptr, nullptr, State},
    {META_SETPALENTRIES, 2, HasPaletteEntries, nullptr, nullptr, State},
    {META_POLYPOLYGON, 1, HasWmfPolygons, WithArguments<WmfFiguresWork, true, true>, nullptr, 0},
    {META_RESIZEPALETTE, 1, nullptr, nullptr, nullptr, State},
    // Without a bitmap the player fills the destination as a pattern.
    {META_DIBBITBLT, 0, WithArguments<HasWmfBlitDib, 8>, WmfDibBlitWork, WithArguments<WmfDibMemory, 8>, 0},
    {META_DIBSTRETCHBLT, 0, WithArguments<HasWmfBlitDib, 10>, WithArguments<WmfBlitWork, 9, PlayerPixel::Blit>,
     WithArguments<WmfDibMemory, 10>, Stretches},
    {META_DIBCREATEPATTERNBRUSH, 2, HasWmfPatternDib, nullptr, WithArguments<WmfDibMemory, 2>, Object},
    {META_STRETCHDIB, 11, WithArguments<HasWmfDib, 11, 2>, WithArguments<WmfBlitWork, 10, PlayerPixel::Blit>,
     WithArguments<WmfDibMemory, 11>, Stretches},
    {META_EXTFLOODFILL, 5, nullptr, WmfFloodFillWork, nullptr, 0},
    {META_SETLAYOUT, 0, nullptr, nullptr, nullptr, Mapping},
    {META_DELETEOBJECT, 1, NamesObject, nullptr, nullptr, State},
    {META_CREATEPALETTE, 2, HasPaletteEntries, nullptr, nullptr, Object},
    {META_CREATEPATTERNBRUSH, 0, HasWmfPatternBitmap, nullptr, WithArguments<WmfBitmap16Memory, 1, 1>, Object},
    {META_CREATEPENINDIRECT, 5, nullptr, nullptr, nullptr, Object},
    {META_CREATEFONTINDIRECT, 9, nullptr, nullptr, nullptr, Object},
    {META_CREATEBRUSHINDIRECT, 4, nullptr, nullptr, nullptr, Object},
    // A region object: made by the player, not only state.
    {META_CREATEREGION, 11, HasWmfRegion, WmfRegionMadeWork, WmfRegionMadeMemory, MakesObject},
};

// The kinds by the function's low byte, which tells every kind apart, so
// that finding one is an index.
constexpr std::array<WmfRecordKind, 257> KindsByNumber()
{
    std::array<WmfRecordKind, 257> kinds = {};
    for (const WmfRecordKind& kind : Kinds)
        kinds[kind.function & 0xFF] = kind;
    return kinds;
}
} // namespace

const std::array<WmfRecordKind, 257> WmfRecordKindsByNumber = KindsByNumber();
