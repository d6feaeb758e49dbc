#include "output/pictures/EnhRecordKinds.h"

#include "output/pictures/EnhRecordMemory.h"
#include "output/pictures/EnhRecordWork.h"
#include "output/pictures/WithArguments.h"

#include <array>
#include <cstddef>

namespace
{
// Where a blit keeps its parts (BlitLayout).
constexpr BlitLayout Layout(size_t destination, size_t destinationSize, size_t source, size_t sourceSize,
                            size_t mask = 0, PlayerPixel pixel = PlayerPixel::Blit)
{
    return {(DWORD)destination, (DWORD)destinationSize, (DWORD)source, (DWORD)sourceSize, (DWORD)mask, pixel};
}

constexpr BlitLayout BitBltLayout = Layout(offsetof(EMRBITBLT, xDest), offsetof(EMRBITBLT, cxDest),
                                           offsetof(EMRBITBLT, xSrc), offsetof(EMRBITBLT, cxDest));
constexpr BlitLayout StretchBltLayout = Layout(offsetof(EMRSTRETCHBLT, xDest), offsetof(EMRSTRETCHBLT, cxDest),
                                               offsetof(EMRSTRETCHBLT, xSrc), offsetof(EMRSTRETCHBLT, cxSrc));
constexpr BlitLayout MaskBltLayout =
    Layout(offsetof(EMRMASKBLT, xDest), offsetof(EMRMASKBLT, cxDest), offsetof(EMRMASKBLT, xSrc),
           offsetof(EMRMASKBLT, cxDest), offsetof(EMRMASKBLT, xMask), PlayerPixel::MaskedBlit);
constexpr BlitLayout PlgBltLayout = Layout(offsetof(EMRPLGBLT, aptlDest), 0, offsetof(EMRPLGBLT, xSrc),
                                           offsetof(EMRPLGBLT, cxSrc), offsetof(EMRPLGBLT, xMask));
constexpr BlitLayout AlphaBlendLayout =
    Layout(offsetof(EMRALPHABLEND, xDest), offsetof(EMRALPHABLEND, cxDest), offsetof(EMRALPHABLEND, xSrc),
           offsetof(EMRALPHABLEND, cxSrc), 0, PlayerPixel::AlphaBlit);
constexpr BlitLayout TransparentBltLayout =
    Layout(offsetof(EMRTRANSPARENTBLT, xDest), offsetof(EMRTRANSPARENTBLT, cxDest), offsetof(EMRTRANSPARENTBLT, xSrc),
           offsetof(EMRTRANSPARENTBLT, cxSrc));
constexpr BlitLayout StretchDibLayout = Layout(offsetof(EMRSTRETCHDIBITS, xDest), offsetof(EMRSTRETCHDIBITS, cxDest),
                                               offsetof(EMRSTRETCHDIBITS, xSrc), offsetof(EMRSTRETCHDIBITS, cxSrc));
constexpr BlitLayout DibToDeviceLayout =
    Layout(offsetof(EMRSETDIBITSTODEVICE, xDest), offsetof(EMRSETDIBITSTODEVICE, cxSrc),
           offsetof(EMRSETDIBITSTODEVICE, xSrc), offsetof(EMRSETDIBITSTODEVICE, cxSrc));

template <PointFigures Figures>
constexpr EnhRecordKind LongPoints(DWORD minimumSize, EnhRecordCheck check, unsigned traits = 0)
{
    return {minimumSize, check, WithArguments<PointsWork, Figures, 8>, nullptr, traits};
}

template <PointFigures Figures>
constexpr EnhRecordKind ShortPointsKind(DWORD minimumSize, EnhRecordCheck check, unsigned traits = 0)
{
    return {minimumSize, check, WithArguments<PointsWork, Figures, 4>, nullptr, ShortPoints | traits};
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
    {EMR_POLYBEZIER, LongPoints<PointFigures::Beziers>(28, HasPoints<8>)},
    {EMR_POLYGON, LongPoints<PointFigures::Polygon>(28, HasPoints<8>)},
    {EMR_POLYLINE, LongPoints<PointFigures::Polyline>(28, HasPoints<8>)},
    {EMR_POLYBEZIERTO, LongPoints<PointFigures::BeziersOn>(28, HasPoints<8>, MovesToLastPoint)},
    {EMR_POLYLINETO, LongPoints<PointFigures::PolylineOn>(28, HasPoints<8>, MovesToLastPoint)},
    {EMR_POLYPOLYLINE, LongPoints<PointFigures::Polylines>(32, HasPolyPoints<8>)},
    {EMR_POLYPOLYGON, LongPoints<PointFigures::Polygons>(32, HasPolyPoints<8>)},
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
    {EMR_CREATEPALETTE, {16, MakesPalette, nullptr, PaletteMemory, Object}},
    {EMR_SETPALETTEENTRIES, {20, SetsPaletteEntries, nullptr, nullptr, State}},
    {EMR_RESIZEPALETTE, {sizeof(EMRRESIZEPALETTE), NamesObject, nullptr, ResizedPaletteMemory, State}},
    {EMR_REALIZEPALETTE, {8, nullptr, nullptr, nullptr, State}},
    {EMR_EXTFLOODFILL, {sizeof(EMREXTFLOODFILL), nullptr, ExtFloodFillWork, nullptr, 0}},
    {EMR_LINETO, {16, nullptr, LineToWork, nullptr, MovesToPoint}},
    {EMR_ARCTO, {sizeof(EMRARC), nullptr, WithArguments<BoxWork, true, true, true>, nullptr, 0}},
    {EMR_POLYDRAW, LongPoints<PointFigures::Drawn>(28, HasPoints<9>, MovesToLastPoint)},
    {EMR_SETARCDIRECTION, {12, nullptr, nullptr, nullptr, State}},
    {EMR_SETMITERLIMIT, {12, nullptr, nullptr, nullptr, State}},
    {EMR_BEGINPATH, {8, nullptr, nullptr, nullptr, State | OpensPath}},
    {EMR_ENDPATH, {8, nullptr, nullptr, nullptr, State | ClosesPath}},
    {EMR_CLOSEFIGURE, {8, nullptr, nullptr, nullptr, State}},
    {EMR_FILLPATH, {24, nullptr, PathFillWork, PaintedPathMemory, UsesPath}},
    {EMR_STROKEANDFILLPATH, {24, nullptr, PathStrokeAndFillWork, PaintedPathMemory, UsesPath}},
    {EMR_STROKEPATH, {24, nullptr, PathStrokeWork, PaintedPathMemory, UsesPath}},
    {EMR_FLATTENPATH, {8, nullptr, PathWideningWork, nullptr, UsesPath}},
    {EMR_WIDENPATH, {8, nullptr, PathWideningWork, PaintedPathMemory, UsesPath}},
    {EMR_SELECTCLIPPATH, {12, nullptr, PathFillWork, ClipPathMemory, UsesPath}},
    {EMR_ABORTPATH, {8, nullptr, nullptr, nullptr, State | ClosesPath}},
    {EMR_GDICOMMENT, {12, HasComment, nullptr, nullptr, State}},
    {EMR_FILLRGN,
     {32, PaintsRegion<32>, WithArguments<PaintedRegionWork, 32>, WithArguments<PaintedRegionMemory, 32>, 0}},
    {EMR_FRAMERGN, {40, PaintsRegion<40>, WithArguments<PaintedRegionWork, 40>, FramedRegionMemory, 0}},
    {EMR_INVERTRGN,
     {28, HasPaintedRegion<24, 28>, WithArguments<PaintedRegionWork, 28>, WithArguments<PaintedRegionMemory, 28>, 0}},
    {EMR_PAINTRGN,
     {28, HasPaintedRegion<24, 28>, WithArguments<PaintedRegionWork, 28>, WithArguments<PaintedRegionMemory, 28>, 0}},
    {EMR_EXTSELECTCLIPRGN, {16, HasClipRegion<8, 16>, ClipRegionWork, ClipRegionMemory, 0}},
    {EMR_BITBLT,
     {sizeof(EMRBITBLT), BlitsSource<offsetof(EMRBITBLT, offBmiSrc)>, WithArguments<BlitWork, &BitBltLayout>,
      BlitSourceMemory<offsetof(EMRBITBLT, offBmiSrc)>, 0}},
    {EMR_STRETCHBLT,
     {sizeof(EMRSTRETCHBLT), BlitsSource<offsetof(EMRSTRETCHBLT, offBmiSrc)>,
      WithArguments<BlitWork, &StretchBltLayout>, BlitSourceMemory<offsetof(EMRSTRETCHBLT, offBmiSrc)>, Stretches}},
    {EMR_MASKBLT,
     {sizeof(EMRMASKBLT), BlitsSourceAndMask<offsetof(EMRMASKBLT, offBmiSrc), offsetof(EMRMASKBLT, offBmiMask)>,
      WithArguments<BlitWork, &MaskBltLayout>, MaskBltMemory, 0}},
    {EMR_PLGBLT,
     {sizeof(EMRPLGBLT), BlitsSourceAndMask<offsetof(EMRPLGBLT, offBmiSrc), offsetof(EMRPLGBLT, offBmiMask)>,
      WithArguments<BlitWork, &PlgBltLayout>, PlgBltMemory, Stretches}},
    {EMR_SETDIBITSTODEVICE,
     {sizeof(EMRSETDIBITSTODEVICE), HasBitmap<offsetof(EMRSETDIBITSTODEVICE, offBmiSrc)>,
      WithArguments<BlitWork, &DibToDeviceLayout>, BlitSourceMemory<offsetof(EMRSETDIBITSTODEVICE, offBmiSrc)>, 0}},
    {EMR_STRETCHDIBITS,
     {sizeof(EMRSTRETCHDIBITS), HasBitmap<offsetof(EMRSTRETCHDIBITS, offBmiSrc)>,
      WithArguments<BlitWork, &StretchDibLayout>, BlitSourceMemory<offsetof(EMRSTRETCHDIBITS, offBmiSrc)>, Stretches}},
    {EMR_EXTCREATEFONTINDIRECTW, {12 + sizeof(LOGFONTW), NamesObject, nullptr, nullptr, Object}},
    {EMR_EXTTEXTOUTA,
     {sizeof(EMREXTTEXTOUTA), HasText<1>, WithArguments<ExtTextWork, false>, WithArguments<ExtTextMemory, false>, 0}},
    {EMR_EXTTEXTOUTW,
     {sizeof(EMREXTTEXTOUTA), HasText<2>, WithArguments<ExtTextWork, true>, WithArguments<ExtTextMemory, true>, 0}},
    {EMR_POLYBEZIER16, ShortPointsKind<PointFigures::Beziers>(28, HasPoints<4>)},
    {EMR_POLYGON16, ShortPointsKind<PointFigures::Polygon>(28, HasPoints<4>)},
    {EMR_POLYLINE16, ShortPointsKind<PointFigures::Polyline>(28, HasPoints<4>)},
    {EMR_POLYBEZIERTO16, ShortPointsKind<PointFigures::BeziersOn>(28, HasPoints<4>, MovesToLastPoint)},
    {EMR_POLYLINETO16, ShortPointsKind<PointFigures::PolylineOn>(28, HasPoints<4>, MovesToLastPoint)},
    {EMR_POLYPOLYLINE16, ShortPointsKind<PointFigures::Polylines>(32, HasPolyPoints<4>)},
    {EMR_POLYPOLYGON16, ShortPointsKind<PointFigures::Polygons>(32, HasPolyPoints<4>)},
    {EMR_POLYDRAW16, ShortPointsKind<PointFigures::Drawn>(28, HasPoints<5>, MovesToLastPoint)},
    {EMR_CREATEMONOBRUSH,
     {sizeof(EMRCREATEMONOBRUSH), MakesMonoBrush, nullptr, PatternMemory<offsetof(EMRCREATEMONOBRUSH, offBmi)>,
      Object}},
    {EMR_CREATEDIBPATTERNBRUSHPT,
     {sizeof(EMRCREATEDIBPATTERNBRUSHPT), MakesPatternBrush, nullptr,
      PatternMemory<offsetof(EMRCREATEDIBPATTERNBRUSHPT, offBmi)>, Object}},
    {EMR_EXTCREATEPEN,
     {offsetof(EMREXTCREATEPEN, elp.elpStyleEntry), MakesExtendedPen, nullptr, ExtendedPenMemory, Object}},
    {EMR_POLYTEXTOUTA,
     {offsetof(EMRPOLYTEXTOUTA, aemrtext), HasTexts<1>, WithArguments<PolyTextWork, false>,
      WithArguments<PolyTextMemory, false>, 0}},
    {EMR_POLYTEXTOUTW,
     {offsetof(EMRPOLYTEXTOUTA, aemrtext), HasTexts<2>, WithArguments<PolyTextWork, true>,
      WithArguments<PolyTextMemory, true>, 0}},
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
    {EMR_ALPHABLEND,
     {sizeof(EMRALPHABLEND), BlitsSource<offsetof(EMRALPHABLEND, offBmiSrc)>,
      WithArguments<BlitWork, &AlphaBlendLayout>, BlitSourceMemory<offsetof(EMRALPHABLEND, offBmiSrc)>, 0}},
    {EMR_SETLAYOUT, {12, nullptr, nullptr, nullptr, Mapping}},
    {EMR_TRANSPARENTBLT,
     {sizeof(EMRTRANSPARENTBLT), BlitsSource<offsetof(EMRTRANSPARENTBLT, offBmiSrc)>,
      WithArguments<BlitWork, &TransparentBltLayout>, BlitSourceMemory<offsetof(EMRTRANSPARENTBLT, offBmiSrc)>,
      Stretches}},
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
    for (EnhRecordKind& kind : kinds)
        kind = {8, nullptr, nullptr, nullptr, 0};
    for (const KindOfType& row : Kinds)
        kinds[row.type] = row.kind;
    return kinds;
}
} // namespace

const std::array<EnhRecordKind, EMR_MAX + 2> EnhRecordKindsByType = KindsByType();
