#include "output/pictures/DrawingWork.h"

#include <algorithm>
#include <cstddef>
#include <cmath>
#include <limits>
#include <vector>

namespace
{
// Microseconds the player spends on each unit of CFillTally's work: a
// zigzag of 500 points a picture high took it 0.1 s to fill, of 1,000
// points 0.37 s, of 300 points ten pictures high 0.3 s.
const double FillMicroseconds = 0.0008;
// On each line or piece of a curve, and on each pixel of a curve's length
// as it flattens it or a shape's outline as it builds it.
const double PieceMicroseconds = 0.05;
const double OutlineMicroseconds = 0.005;
// On each pixel of a wide pen's width at each piece of its stroke, where the
// player joins the pieces: a polyline of 100 points in a pen 6,250 pixels
// wide took it 27 ms.
const double JoinMicroseconds = 0.04;
// On each pixel of a dashed geometric pen's stroke, and on its length in
// pixels squared over the pixels its dashes are as long as: a line 100,000
// pixels long in a pen 2 wide took the player 4 to 9 s (400,000 long: 92 to
// 104 s), in a pen 10 wide 0.7 to 1.4 s, in a pen 80 wide 0.1 to 0.2 s;
// 40,000 long in a pen of its own style of 1 and 1, a pen wide, 1 s.
const double DashMicroseconds = 0.3;
const double DashJoinMicroseconds = 0.0016;
// On each pixel of each different character's cell, as the font's glyphs
// are rendered at their full size; an outline into a path is quick.
const double GlyphMicroseconds = 0.0025;
const double OutlineCharacterMicroseconds = 1;
// On each copy of a character however small: 20,000 copies of a letter
// 8 pixels high took it 20 ms, 40 pixels high 40 ms. Each pixel of its cell
// is priced as the player composites glyphs on this machine
// (CPlayerPrices), as are the pixels filled, blitted and stretched and a
// gradient's triangles'.
const double CopyMicroseconds = 1.5;
// On each row a gradient's triangle crosses: 200 slivers from corner to
// corner took it 30 ms.
const double GradientRowMicroseconds = 0.3;
// On each rectangle of the clip region for each copy of a character and
// each piece of a wide pen's stroke, as the player goes through the whole
// region to clip each: 8,000 copies of a letter 12 pixels high against a
// grid of 120,000 cells took it 2.1-2.4 s (2.3 ns a rectangle), against one
// of 12,000 cells 0.14 s for 4,000; a polyline of 4,000 points in a pen
// 4 pixels wide against the grid 1.7-2.1 s (a piece and its join, 4 ns).
const double ClipRectangleMicroseconds = 0.003;
// A record's own price, and a record's that only sets state.
const double RecordMicroseconds = 1;
const double StateMicroseconds = 0.5;
// A region's rectangles as the player builds them, each joined to those
// before: 10,000 rectangles one under another took it 0.7 s to fill and
// 1.1 s to invert, 20,000 3.4 s to fill; combined with a clip region, a
// grid of 4 million cells took it 80 ms.
const double RegionBuildMicroseconds = 0.012;
const double RegionCombineMicroseconds = 0.025;
// The length of the pieces the player cuts curves into.
const double CurvePiece = 10;
// The widest a cosmetic pen draws.
const double CosmeticWidth = 1.5;
// The farthest from the device's origin, across or down, that the player
// takes a coordinate: beyond it its whole-number arithmetic overflows (a
// blit 2.5 billion pixels wide, and letters 100 million pixels out made a
// path and filled, divided by zero).
const double CoordinateLimit = 16777216;
// The highest font the player draws: letters 131,000 pixels high overflowed
// its outlines (a path of them divided by zero when filled); 67,000 did not.
const double FontLimit = 32768;
// The largest box, across or down, in which the player draws a curved
// shape: it has crashed on an ellipse 940,000 pixels across, and on chords
// and pies 1.9 million across.
const double ShapeLimit = 524288;

double Distance(double x1, double y1, double x2, double y2)
{
    return std::hypot(x2 - x1, y2 - y1);
}
} // namespace

PenInUnits ReadPen(HGDIOBJ pen)
{
    const int size = ::GetObjectW(pen, 0, NULL);
    if (size == (int)sizeof(LOGPEN))
    {
        LOGPEN plain;
        if (::GetObjectW(pen, sizeof(plain), &plain) != (int)sizeof(plain))
            return PenInUnits{true, true, 1, false};
        // Pens of width 0 and 1 draw a pixel wide.
        const double width = std::fabs((double)plain.lopnWidth.x);
        return PenInUnits{(plain.lopnStyle & PS_STYLE_MASK) != PS_NULL, width <= 1, width, false};
    }
    if (size < (int)offsetof(EXTLOGPEN, elpStyleEntry))
        return PenInUnits{true, true, 1, false};
    std::vector<BYTE> block((size_t)size + sizeof(DWORD));
    EXTLOGPEN* extended = (EXTLOGPEN*)block.data();
    if (::GetObjectW(pen, size, extended) <= 0)
        return PenInUnits{true, true, 1, false};
    const DWORD style = extended->elpPenStyle & PS_STYLE_MASK;
    const bool geometric = (extended->elpPenStyle & PS_TYPE_MASK) == PS_GEOMETRIC;
    double period = 0;
    if (style == PS_USERSTYLE)
    {
        const DWORD entries = std::min<DWORD>(extended->elpNumEntries,
                                              (DWORD)((size - offsetof(EXTLOGPEN, elpStyleEntry)) / sizeof(DWORD)));
        for (DWORD i = 0; i < entries; ++i)
            period += extended->elpStyleEntry[i];
    }
    return PenInUnits{style != PS_NULL, !geometric, (double)extended->elpWidth,
                      geometric && style != PS_SOLID && style != PS_INSIDEFRAME, period};
}

SelectedPen PenInUnits::On(const CDeviceMapping& mapping) const
{
    if (!draws)
        return SelectedPen{false, 0, false};
    const double pixels = std::max(1.0, cosmetic ? 1 : width * mapping.Stretch());
    const double dashUnit = period > 0 ? std::min(pixels, period * mapping.Stretch() / 2) : pixels;
    return SelectedPen{true, pixels, dashed, std::max(1.0, dashUnit)};
}

FontInUnits ReadFont(HGDIOBJ font)
{
    LOGFONTW made;
    if (::GetObjectW(font, sizeof(made), &made) != (int)sizeof(made))
        return FontInUnits{0, 0, false};
    return FontInUnits{std::fabs((double)made.lfHeight), std::fabs((double)made.lfWidth),
                       made.lfEscapement % 900 != 0 || made.lfOrientation % 900 != 0};
}

double FontInUnits::Area(const CDeviceMapping& mapping) const
{
    // A height of 0 asks for the font's usual size, about 16 units, which
    // the mapping stretches as any other (26 letters of it under a world
    // transform of 500 left the player's glyph cache 480 MB larger);
    // characters are at most about twice as wide as the width asked for.
    const double stretch = mapping.Stretch();
    const double pixels = (height == 0 ? 16 : height) * stretch;
    if (!(pixels <= FontLimit))
        return std::numeric_limits<double>::infinity();
    const double wide = std::max(pixels, 2 * width * stretch);
    // The player renders a turned character into the box round it: letters
    // 74 pixels high and 7,400 wide turned by 45 degrees took 25 MB each in
    // its glyph cache (upright, 0.3 MB).
    if (turned || mapping.Turns())
        return (pixels + wide) * (pixels + wide) / 2;
    return pixels * wide;
}

void CDrawingWork::Arrive(double deviceX, double deviceY)
{
    m_lastX = deviceX;
    m_lastY = deviceY;
    Place(deviceX, deviceY);
}

void CDrawingWork::Place(double deviceX, double deviceY)
{
    // A coordinate that is not a number is taken as the farthest of all.
    for (const double coordinate : {deviceX, deviceY})
        if (!(std::fabs(coordinate) <= m_farthest))
            m_farthest = std::isnan(coordinate) ? std::numeric_limits<double>::infinity() : std::fabs(coordinate);
    m_box.Add(deviceX, deviceY);
}

void CDrawingWork::AddPlace(double x, double y)
{
    double dx, dy;
    m_mapping.Map(x, y, dx, dy);
    Place(dx, dy);
}

bool CDrawingWork::Reaches(double coordinate)
{
    return std::fabs(coordinate) <= CoordinateLimit;
}

double CDrawingWork::Placed() const
{
    return m_farthest <= CoordinateLimit && !m_oversized ? 0 : std::numeric_limits<double>::infinity();
}

double CDrawingWork::BoxPixels(double margin) const
{
    if (m_clip == nullptr || m_box.empty)
        return 0;
    return m_clip->Covered(m_box.left - margin, m_box.top - margin, m_box.right + margin, m_box.bottom + margin);
}

double CDrawingWork::Covering(PlayerPixel kind) const
{
    return Placed() + RecordMicroseconds + BoxPixels(0) * CPlayerPrices::Of(kind);
}

PlayerPixel CDrawingWork::StretchPixel(HDC dc)
{
    return ::GetStretchBltMode(dc) == HALFTONE ? PlayerPixel::HalftoneStretch : PlayerPixel::PlainStretch;
}

void CDrawingWork::MoveToCurrentPosition(HDC dc)
{
    POINT position = {0, 0};
    ::GetCurrentPositionEx(dc, &position);
    MoveTo(position.x, position.y);
}

void CDrawingWork::MoveTo(double x, double y)
{
    CloseFigure();
    double dx, dy;
    m_mapping.Map(x, y, dx, dy);
    m_outline.MoveTo(dy);
    m_startX = dx;
    m_startY = dy;
    Arrive(dx, dy);
}

void CDrawingWork::LineTo(double x, double y)
{
    if (!m_outline.IsOpen())
    {
        MoveTo(x, y);
        return;
    }
    double dx, dy;
    m_mapping.Map(x, y, dx, dy);
    m_outline.LineTo(dy);
    m_length += Distance(m_lastX, m_lastY, dx, dy);
    m_pieces += 1;
    Arrive(dx, dy);
}

void CDrawingWork::BezierTo(double x1, double y1, double x2, double y2, double x3, double y3)
{
    if (!m_outline.IsOpen())
        MoveTo(x1, y1);
    double ax, ay, bx, by, cx, cy;
    m_mapping.Map(x1, y1, ax, ay);
    m_mapping.Map(x2, y2, bx, by);
    m_mapping.Map(x3, y3, cx, cy);
    // The curve lies inside its control points' outline and crosses no
    // more rows than the lines through them.
    const double length = Distance(m_lastX, m_lastY, ax, ay) + Distance(ax, ay, bx, by) + Distance(bx, by, cx, cy);
    const double rise = std::fabs(ay - m_lastY) + std::fabs(by - ay) + std::fabs(cy - by);
    const double pieces = 1 + length / CurvePiece;
    m_outline.LineThrough(std::min({m_lastY, ay, by, cy}), std::max({m_lastY, ay, by, cy}), rise, pieces, cy);
    Place(ax, ay);
    Place(bx, by);
    m_length += length;
    m_pieces += pieces;
    Arrive(cx, cy);
}

void CDrawingWork::CloseFigure()
{
    if (!m_outline.IsOpen())
        return;
    m_length += Distance(m_lastX, m_lastY, m_startX, m_startY);
    m_pieces += 1;
    m_outline.CloseFigure();
    Arrive(m_startX, m_startY);
}

void CDrawingWork::AddBoxShape(double left, double top, double right, double bottom, bool open, bool curved)
{
    CloseFigure();
    const double xs[] = {left, right, right, left}, ys[] = {top, top, bottom, bottom};
    double dx[4], dy[4];
    for (int i = 0; i < 4; ++i)
        m_mapping.Map(xs[i], ys[i], dx[i], dy[i]);
    const double outline = Distance(dx[0], dy[0], dx[1], dy[1]) + Distance(dx[1], dy[1], dx[2], dy[2]) +
                           Distance(dx[2], dy[2], dx[3], dy[3]) + Distance(dx[3], dy[3], dx[0], dy[0]);
    for (int i = 0; i < 4; ++i)
        Place(dx[i], dy[i]);
    const double highest = *std::min_element(dy, dy + 4), lowest = *std::max_element(dy, dy + 4);
    const double across = *std::max_element(dx, dx + 4) - *std::min_element(dx, dx + 4);
    if (curved && !(across <= ShapeLimit && lowest - highest <= ShapeLimit))
        m_oversized = true;
    const double pieces = 4 + outline / CurvePiece;
    // Closed by its chord or its radii, a shape crosses each row of its box
    // at most four times.
    m_outline.AddPart(highest, lowest, (open ? 2 : 4) * (lowest - highest), pieces);
    m_length += outline;
    m_pieces += pieces;
}

double CDrawingWork::Work(const SelectedPen& pen, bool filled, bool painted) const
{
    double work = RecordMicroseconds + m_pieces * PieceMicroseconds + m_length * OutlineMicroseconds;
    // The pixels of the outline's box, with the pen's half width round.
    if (painted)
        work += BoxPixels(pen.draws ? pen.width / 2 + 1 : 1) * CPlayerPrices::Of(PlayerPixel::Fill);
    if (filled)
        work += m_outline.Work() * FillMicroseconds;
    if (pen.draws)
    {
        // A pen's joins are ellipses as wide as the pen: one wider than the
        // player draws is endless (a polygon in a pen six million pixels
        // wide did not end within a minute).
        if (!(pen.width <= ShapeLimit))
            return std::numeric_limits<double>::infinity();
        if (pen.width > CosmeticWidth)
        {
            work += m_pieces * pen.width * JoinMicroseconds;
            if (painted)
            {
                if (m_clip != nullptr)
                    work += 2 * m_pieces * m_clip->CountedRectangles() * ClipRectangleMicroseconds;
                CFillTally widened = m_outline;
                widened.Widen(pen.width);
                work += widened.Work() * FillMicroseconds;
            }
        }
        // The player joins each dash to those before it, so that their
        // count squared, growing as the dashes shorten, decides.
        if (pen.dashed)
            work += m_length * DashMicroseconds + m_length * m_length / pen.dashUnit * DashJoinMicroseconds;
    }
    return std::isnan(work) ? std::numeric_limits<double>::infinity() : work + Placed();
}

double CDrawingWork::Text(double fontArea, const CDeviceClip& clip, unsigned count, unsigned distinct, bool intoPath)
{
    if (intoPath)
        return RecordMicroseconds + count * OutlineCharacterMicroseconds +
               std::sqrt(fontArea) * count * PieceMicroseconds;
    // Each copy composited over its cell inside the clip, with its
    // background.
    const double copy = clip.AtMost(fontArea) * CPlayerPrices::Of(PlayerPixel::GlyphComposite) +
                        clip.CountedRectangles() * ClipRectangleMicroseconds;
    return RecordMicroseconds + distinct * fontArea * GlyphMicroseconds + count * (CopyMicroseconds + copy);
}

double CDrawingWork::Region(double rectangles, double combined, double area)
{
    return Pixels(area) + rectangles * (PieceMicroseconds + rectangles * RegionBuildMicroseconds) +
           combined * RegionCombineMicroseconds;
}

double CDrawingWork::Gradient(double area, double rows, bool triangle)
{
    return PieceMicroseconds + rows * GradientRowMicroseconds +
           area * CPlayerPrices::Of(triangle ? PlayerPixel::GradientTriangle : PlayerPixel::Fill);
}

double CDrawingWork::Pixels(double area)
{
    return RecordMicroseconds + area * CPlayerPrices::Of(PlayerPixel::Fill);
}

double CDrawingWork::State()
{
    return StateMicroseconds;
}

double CDrawingWork::Unmeasured(double bytes, const CDeviceClip& clip)
{
    return bytes / 4 * Pixels(clip.Area());
}
