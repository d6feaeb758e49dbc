#include "output/pictures/EnhRecordKinds.h"

#include "output/pictures/EnhRecordMemory.h"
#include "output/pictures/EnhRecordWork.h"
#include "output/pictures/WithArguments.h"

#include <array>
#include <cstddef>

namespace
{
// Where a blit keeps its parts (BlitLayout), by the fields' common names
// unless given.
template <class Record, PlayerPixel Pixel = PlayerPixel::Blit, DWORD DestinationSize = offsetof(Record, cxDest),
          DWORD SourceSize = offsetof(Record, cxSrc), DWORD Mask = 0>
constexpr BlitLayout LayoutOf = {
    offsetof(Record, xDest), DestinationSize, offsetof(Record, xSrc), SourceSize, Mask, Pixel};
constexpr const BlitLayout* BitBltLayout =
    &LayoutOf<EMRBITBLT, PlayerPixel::Blit, offsetof(EMRBITBLT, cxDest), offsetof(EMRBITBLT, cxDest)>;
constexpr const BlitLayout* DibToDeviceLayout =
    &LayoutOf<EMRSETDIBITSTODEVICE, PlayerPixel::Blit, offsetof(EMRSETDIBITSTODEVICE, cxSrc)>;
constexpr const BlitLayout* MaskBltLayout = &LayoutOf<EMRMASKBLT, PlayerPixel::MaskedBlit, offsetof(EMRMASKBLT, cxDest),
                                                      offsetof(EMRMASKBLT, cxDest), offsetof(EMRMASKBLT, xMask)>;
constexpr BlitLayout PlgBltLayout = {offsetof(EMRPLGBLT, aptlDest), 0,
                                     offsetof(EMRPLGBLT, xSrc),     offsetof(EMRPLGBLT, cxSrc),
                                     offsetof(EMRPLGBLT, xMask),    PlayerPixel::Blit};

// A blit of one bitmap, read always or only where placed, laid out so.
template <class Record, const BlitLayout* At, BitmapUse Use = BitmapReadWhenPlaced>
constexpr EnhRecordKind Blit(unsigned traits = 0)
{
    return {sizeof(Record), WithArguments<HasBitmap, offsetof(Record, offBmiSrc), Use, true>,
            WithArguments<BlitWork, At>, WithArguments<BitmapMemory, offsetof(Record, offBmiSrc)>, traits};
}

// A blit of a source, which may be left out, and a mask, through bitmaps of
// the source's size of so many 'Bytes' a pixel.
template <class Record, const BlitLayout* At, DWORD Bytes>
constexpr EnhRecordKind MaskedBlit(unsigned traits = 0)
{
    constexpr DWORD source = offsetof(Record, offBmiSrc), mask = offsetof(Record, offBmiMask);
    return {sizeof(Record), WithArguments<BlitsSourceAndMask, source, mask>, WithArguments<BlitWork, At>,
            WithArguments<BlitThroughMemory, source, mask, At->sourceSize, Bytes>, traits};
}

// Figures of points of 32 bits ('Size' 8) or 16 (4): their fixed part, check
// and what skipping them leaves behind follow from the figures.
template <PointFigures Figures, DWORD Size>
constexpr EnhRecordKind Points()
{
    const bool poly = Figures == PointFigures::Polygons || Figures == PointFigures::Polylines;
    const bool on =
        Figures == PointFigures::BeziersOn || Figures == PointFigures::PolylineOn || Figures == PointFigures::Drawn;
    // A POLYDRAW's points are each followed by a byte of its kind.
    constexpr DWORD item = Figures == PointFigures::Drawn ? Size + 1 : Size;
    EnhRecordCheck* check = WithArguments<HasItems, 24, item>;
    if (poly)
        check = WithArguments<HasPolyPoints, Size>;
    return {poly ? 32u : 28u, check, WithArguments<PointsWork, Figures>, nullptr,
            (Size == 4 ? ShortPoints : 0u) | (on ? MovesToLastPoint : 0u)};
}

// Strings of text, several or one, of wide characters or not.
template <bool Poly, bool Wide>
constexpr EnhRecordKind Text()
{
    return {Poly ? offsetof(EMRPOLYTEXTOUTA, aemrtext) : sizeof(EMREXTTEXTOUTA), WithArguments<HasTexts, Poly, Wide>,
            WithArguments<TextsWork, Poly, Wide>, WithArguments<TextsMemory, Poly, Wide>, 0};
}

// A region, its RGNDATA at 'At', painted or inverted, or filled or framed
// with a brush (the region less itself moved four ways: 'Copies' of it held).
template <DWORD At, bool Brush, DWORD Copies = 1>
constexpr EnhRecordKind PaintedRegion()
{
    return {At, WithArguments<PaintsRegion, At, Brush>, WithArguments<RegionWork, At, RGN_AND>,
            WithArguments<PaintedRegionMemory, At, Copies>, 0};
}

// A pattern brush, monochrome or not: both keep their bitmap at one place.
static_assert(sizeof(EMRCREATEMONOBRUSH) == sizeof(EMRCREATEDIBPATTERNBRUSHPT) &&
              offsetof(EMRCREATEMONOBRUSH, offBmi) == offsetof(EMRCREATEDIBPATTERNBRUSHPT, offBmi));
template <bool Mono>
constexpr EnhRecordKind Brush()
{
    return {sizeof(EMRCREATEMONOBRUSH), WithArguments<MakesBrush, Mono>, nullptr,
            WithArguments<BitmapMemory, offsetof(EMRCREATEMONOBRUSH, offBmi)>, Object};
}

struct KindOfType
{
    DWORD type;
    EnhRecordKind kind;
};

// A row a kind: the fixed part's bytes and the check of what the player
// reads beyond it, the time price, the memory price, what it is.
constexpr KindOfType Kinds[] = {
    {EMR_HEADER, {88, OpensPicture, nullptr, nullptr, Mapping}},
    {EMR_POLYBEZIER, Points<PointFigures::Beziers, 8>()},
    {EMR_POLYGON, Points<PointFigures::Polygon, 8>()},
    {EMR_POLYLINE, Points<PointFigures::Polyline, 8>()},
    {EMR_POLYBEZIERTO, Points<PointFigures::BeziersOn, 8>()},
    {EMR_POLYLINETO, Points<PointFigures::PolylineOn, 8>()},
    {EMR_POLYPOLYLINE, Points<PointFigures::Polylines, 8>()},
    {EMR_POLYPOLYGON, Points<PointFigures::Polygons, 8>()},
    {EMR_SETWINDOWEXTEX, {16, nullptr, nullptr, nullptr, Mapping}},
    {EMR_SETWINDOWORGEX, {16, nullptr, nullptr, nullptr, Mapping}},
    {EMR_SETVIEWPORTEXTEX, {16, nullptr, nullptr, nullptr, Mapping}},
    {EMR_SETVIEWPORTORGEX, {16, nullptr, nullptr, nullptr, Mapping}},
    {EMR_SETBRUSHORGEX, {16, nullptr, nullptr, nullptr, State}},
    {EMR_EOF, {20, EndsPicture, nullptr, nullptr, State}},
    {EMR_SETPIXELV, {20, nullptr, PixelWork, nullptr, 0}},
    {EMR_SETMAPPERFLAGS, {12, nullptr, nullptr, nullptr, State}},
    {EMR_SETMAPMODE, {12, nullptr, nullptr, nullptr, Mapping}},
    {EMR_SETBKMODE, {12, nullptr, nullptr, nullptr, State}},
    {EMR_SETPOLYFILLMODE, {12, nullptr, nullptr, nullptr, State}},
    {EMR_SETROP2, {12, nullptr, nullptr, nullptr, State}},
    {EMR_SETSTRETCHBLTMODE, {12, nullptr, nullptr, nullptr, State}},
    {EMR_SETTEXTALIGN, {12, nullptr, nullptr, nullptr, State}},
    {EMR_SETCOLORADJUSTMENT, {sizeof(EMRSETCOLORADJUSTMENT), nullptr, nullptr, nullptr, State}},
    {EMR_SETTEXTCOLOR, {12, nullptr, nullptr, nullptr, State}},
    {EMR_SETBKCOLOR, {12, nullptr, nullptr, nullptr, State}},
    {EMR_OFFSETCLIPRGN, {16, nullptr, nullptr, ClipChangeMemory<CDrawingMemory::OffsetsClip>, State}},
    {EMR_MOVETOEX, {16, nullptr, nullptr, nullptr, State}},
    {EMR_SETMETARGN, {8, nullptr, nullptr, ClipChangeMemory<CDrawingMemory::SetsMetaRegion>, State}},
    {EMR_EXCLUDECLIPRECT, {24, nullptr, nullptr, ClipChangeMemory<CDrawingMemory::ExcludesClip>, State}},
    {EMR_INTERSECTCLIPRECT, {24, nullptr, nullptr, ClipChangeMemory<CDrawingMemory::IntersectsClip>, State}},
    {EMR_SCALEVIEWPORTEXTEX, {24, nullptr, nullptr, nullptr, Mapping}},
    {EMR_SCALEWINDOWEXTEX, {24, nullptr, nullptr, nullptr, Mapping}},
    {EMR_SAVEDC, {8, nullptr, nullptr, ClipChangeMemory<CDrawingMemory::SavesDC>, State | SavesState}},
    {EMR_RESTOREDC,
     {12, nullptr, nullptr, ClipChangeMemory<CDrawingMemory::RestoresDC>, Mapping | Reselects | RestoresState}},
    {EMR_SETWORLDTRANSFORM, {sizeof(EMRSETWORLDTRANSFORM), nullptr, nullptr, nullptr, Mapping}},
    {EMR_MODIFYWORLDTRANSFORM, {sizeof(EMRMODIFYWORLDTRANSFORM), nullptr, nullptr, nullptr, Mapping}},
    {EMR_SELECTOBJECT, {12, SelectsObject, nullptr, nullptr, State | Reselects}},
    {EMR_CREATEPEN, {sizeof(EMRCREATEPEN), NamesObject, nullptr, nullptr, Object}},
    {EMR_CREATEBRUSHINDIRECT, {sizeof(EMRCREATEBRUSHINDIRECT), NamesObject, nullptr, nullptr, Object}},
    {EMR_DELETEOBJECT, {12, NamesObject, nullptr, nullptr, State}},
    {EMR_ANGLEARC, {sizeof(EMRANGLEARC), nullptr, AngleArcWork, nullptr, 0}},
    {EMR_ELLIPSE, {24, nullptr, WithArguments<BoxWork, false, false, true>, nullptr, 0}},
    {EMR_RECTANGLE, {24, nullptr, WithArguments<BoxWork, false, false, false>, nullptr, 0}},
    {EMR_ROUNDRECT, {sizeof(EMRROUNDRECT), nullptr, WithArguments<BoxWork, false, false, true>, nullptr, 0}},
    {EMR_ARC, {sizeof(EMRARC), nullptr, WithArguments<BoxWork, false, true, true>, nullptr, 0}},
    {EMR_CHORD, {sizeof(EMRARC), nullptr, WithArguments<BoxWork, false, false, true>, nullptr, 0}},
    {EMR_PIE, {sizeof(EMRARC), nullptr, WithArguments<BoxWork, false, false, true>, nullptr, 0}},
    {EMR_SELECTPALETTE, {12, SelectsObject, nullptr, nullptr, State}},
    {EMR_CREATEPALETTE,
     {16, WithArguments<NamesPaletteEntries, 12, 16>, nullptr, WithArguments<PaletteMemory, 16>, Object}},
    {EMR_SETPALETTEENTRIES, {20, WithArguments<NamesPaletteEntries, 16, 0>, nullptr, nullptr, State}},
    {EMR_RESIZEPALETTE, {sizeof(EMRRESIZEPALETTE), NamesObject, nullptr, WithArguments<PaletteMemory, 0>, State}},
    {EMR_REALIZEPALETTE, {8, nullptr, nullptr, nullptr, State}},
    {EMR_EXTFLOODFILL, {sizeof(EMREXTFLOODFILL), nullptr, ExtFloodFillWork, nullptr, 0}},
    {EMR_LINETO, {16, nullptr, LineToWork, nullptr, MovesToPoint}},
    {EMR_ARCTO, {sizeof(EMRARC), nullptr, WithArguments<BoxWork, true, true, true>, nullptr, 0}},
    {EMR_POLYDRAW, Points<PointFigures::Drawn, 8>()},
    {EMR_SETARCDIRECTION, {12, nullptr, nullptr, nullptr, State}},
    {EMR_SETMITERLIMIT, {12, nullptr, nullptr, nullptr, State}},
    {EMR_BEGINPATH, {8, nullptr, nullptr, nullptr, State | OpensPath}},
    {EMR_ENDPATH, {8, nullptr, nullptr, nullptr, State | ClosesPath}},
    {EMR_CLOSEFIGURE, {8, nullptr, nullptr, nullptr, State}},
    {EMR_FILLPATH, {24, nullptr, WithArguments<PathWork, PathUse::Filled>, PaintedPathMemory, UsesPath}},
    {EMR_STROKEANDFILLPATH,
     {24, nullptr, WithArguments<PathWork, PathUse::StrokedAndFilled>, PaintedPathMemory, UsesPath}},
    {EMR_STROKEPATH, {24, nullptr, WithArguments<PathWork, PathUse::Stroked>, PaintedPathMemory, UsesPath}},
    {EMR_FLATTENPATH, {8, nullptr, WithArguments<PathWork, PathUse::Widened>, nullptr, UsesPath}},
    {EMR_WIDENPATH, {8, nullptr, WithArguments<PathWork, PathUse::Widened>, PaintedPathMemory, UsesPath}},
    {EMR_SELECTCLIPPATH, {12, nullptr, WithArguments<PathWork, PathUse::Filled>, ClipPathMemory, UsesPath}},
    {EMR_ABORTPATH, {8, nullptr, nullptr, nullptr, State | ClosesPath}},
    {EMR_GDICOMMENT, {12, WithArguments<HasItems, 8, 1>, nullptr, nullptr, State}},
    {EMR_FILLRGN, PaintedRegion<32, true>()},
    {EMR_FRAMERGN, PaintedRegion<40, true, 4>()},
    {EMR_INVERTRGN, PaintedRegion<28, false>()},
    {EMR_PAINTRGN, PaintedRegion<28, false>()},
    {EMR_EXTSELECTCLIPRGN, {16, WithArguments<HasRegion, 8, 16, true>, ClipRegionWork, ClipRegionMemory, 0}},
    {EMR_BITBLT, Blit<EMRBITBLT, BitBltLayout>()},
    {EMR_STRETCHBLT, Blit<EMRSTRETCHBLT, &LayoutOf<EMRSTRETCHBLT>>(Stretches)},
    // The player blits through two bitmaps of the destination's size in
    // logical units, however little of it the clip shows: 6000 x 6000 from
    // bitmaps of a pixel (a 368-byte picture) took it 274 MB into 800 x 600.
    {EMR_MASKBLT, MaskedBlit<EMRMASKBLT, MaskBltLayout, 8>()},
    // Turning it, through bitmaps of the source's size however small the
    // bitmap: 6000 x 6000 of a bitmap of a pixel (236 bytes) took it 375 MB.
    {EMR_PLGBLT, MaskedBlit<EMRPLGBLT, &PlgBltLayout, 12>(Stretches)},
    {EMR_SETDIBITSTODEVICE, Blit<EMRSETDIBITSTODEVICE, DibToDeviceLayout, BitmapAlwaysRead>()},
    {EMR_STRETCHDIBITS, Blit<EMRSTRETCHDIBITS, &LayoutOf<EMRSTRETCHDIBITS>, BitmapAlwaysRead>(Stretches)},
    {EMR_EXTCREATEFONTINDIRECTW, {12 + sizeof(LOGFONTW), NamesObject, nullptr, nullptr, Object}},
    {EMR_EXTTEXTOUTA, Text<false, false>()},
    {EMR_EXTTEXTOUTW, Text<false, true>()},
    {EMR_POLYBEZIER16, Points<PointFigures::Beziers, 4>()},
    {EMR_POLYGON16, Points<PointFigures::Polygon, 4>()},
    {EMR_POLYLINE16, Points<PointFigures::Polyline, 4>()},
    {EMR_POLYBEZIERTO16, Points<PointFigures::BeziersOn, 4>()},
    {EMR_POLYLINETO16, Points<PointFigures::PolylineOn, 4>()},
    {EMR_POLYPOLYLINE16, Points<PointFigures::Polylines, 4>()},
    {EMR_POLYPOLYGON16, Points<PointFigures::Polygons, 4>()},
    {EMR_POLYDRAW16, Points<PointFigures::Drawn, 4>()},
    {EMR_CREATEMONOBRUSH, Brush<true>()},
    {EMR_CREATEDIBPATTERNBRUSHPT, Brush<false>()},
    {EMR_EXTCREATEPEN,
     {offsetof(EMREXTCREATEPEN, elp.elpStyleEntry), MakesExtendedPen, nullptr, ExtendedPenMemory, Object}},
    {EMR_POLYTEXTOUTA, Text<true, false>()},
    {EMR_POLYTEXTOUTW, Text<true, true>()},
    {EMR_SETICMMODE, {12, nullptr, nullptr, nullptr, State}},
    {EMR_CREATECOLORSPACE, {sizeof(EMRCREATECOLORSPACE), NamesObject, nullptr, nullptr, State}},
    {EMR_SETCOLORSPACE, {12, NamesObject, nullptr, nullptr, State}},
    {EMR_DELETECOLORSPACE, {12, NamesObject, nullptr, nullptr, State}},
    {EMR_PIXELFORMAT, {sizeof(EMRPIXELFORMAT), nullptr, nullptr, nullptr, 0}},
    {SmallTextRecord, {36, HasSmallText, SmallTextWork, SmallTextMemory, 0}},
    {ForceUfiMappingRecord, {8, nullptr, nullptr, nullptr, State}},
    {EMR_COLORCORRECTPALETTE, {24, nullptr, nullptr, nullptr, State}},
    {EMR_SETICMPROFILEA, {20, HasProfile, nullptr, nullptr, State}},
    {EMR_SETICMPROFILEW, {20, HasProfile, nullptr, nullptr, State}},
    {EMR_ALPHABLEND, Blit<EMRALPHABLEND, &LayoutOf<EMRALPHABLEND, PlayerPixel::AlphaBlit>>()},
    {EMR_SETLAYOUT, {12, nullptr, nullptr, nullptr, Mapping}},
    {EMR_TRANSPARENTBLT, Blit<EMRTRANSPARENTBLT, &LayoutOf<EMRTRANSPARENTBLT>>(Stretches)},
    {EMR_GRADIENTFILL, {offsetof(EMRGRADIENTFILL, Ver), HasGradient, GradientWork, nullptr, 0}},
    {LinkedUfisRecord, {8, nullptr, nullptr, nullptr, State}},
    {TextJustificationRecord, {8, nullptr, nullptr, nullptr, State}},
    {EMR_COLORMATCHTOTARGETW, {20, HasProfile, nullptr, nullptr, State}},
    {EMR_CREATECOLORSPACEW, {offsetof(EMRCREATECOLORSPACEW, Data), NamesObject, nullptr, nullptr, State}},
};

// The kinds by record type, so that finding one is an index.
constexpr std::array<EnhRecordKind, EMR_MAX + 2> KindsByType()
{
    std::array<EnhRecordKind, EMR_MAX + 2> kinds = {};
    for (const KindOfType& row : Kinds)
        kinds[row.type] = row.kind;
    return kinds;
}
} // namespace

const std::array<EnhRecordKind, EMR_MAX + 2> EnhRecordKindsByType = KindsByType();
