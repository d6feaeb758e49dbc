#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/DeviceClip.h"
#include "output/pictures/DeviceMapping.h"
#include "output/pictures/FillTally.h"
#include "output/pictures/PlayerPrices.h"
#include "output/pictures/RecordTraits.h"

// What a pen draws with: its width in device pixels as a DC maps it, and
// whether it draws its lines as dashes built one by one (a dashed or dotted
// geometric pen), with the device pixels that the length of its dashes
// follows (the pen's width, or half its own style's repeat where shorter).
struct SelectedPen
{
    bool draws;
    double width;
    bool dashed;
    double dashUnit;
};

// A pen as it is made, in logical units: a cosmetic pen draws a pixel wide
// whatever the mapping. A pen of its own style repeats it every 'period'
// units (0: a standard style, its dashes as long as the pen is wide).
struct PenInUnits
{
    bool draws;
    bool cosmetic;
    double width;
    bool dashed;
    double period;

    SelectedPen On(const CDeviceMapping& mapping) const;
};
PenInUnits ReadPen(HGDIOBJ pen);

// A font's character height and width as it is made, in logical units (0:
// the font's own), and whether its characters are turned at other than a
// right angle (its escapement or orientation).
struct FontInUnits
{
    double height;
    double width;
    bool turned;

    // The pixels of a character's cell on the device: its height and widest
    // width multiplied, or where the font or the mapping turns it at other
    // than a right angle, the box round it turned by 45 degrees; endless for
    // a font higher than the player draws.
    double Area(const CDeviceMapping& mapping) const;
};
FontInUnits ReadFont(HGDIOBJ font);

// How long the platform's player will take over one drawing record,
// estimated from the outline the record draws as the DC maps it now (so
// the player's own extents, transforms and pen are what is measured).
// Figures are given in logical units; the estimate is in microseconds.
//
// Measured here into 800 x 600: the player fills a row of the device at a
// time and orders the edges crossing each row (CFillTally's work); a wide
// pen's stroke is filled as the outline of its pieces, each as tall as the
// pen (ten ellipses two pictures across in a pen two pictures wide took it
// seconds); a dashed geometric pen builds each dash; the player flattens
// curves into pieces about ten pixels long and renders each different
// character at its full size. Every record costs something of its own,
// and what it draws costs each pixel it can touch inside the clip box.
class CDrawingWork
{
public:
    // Without a clip the pixels drawn are not counted (records that only
    // place things).
    explicit CDrawingWork(const CDeviceMapping& mapping, const CDeviceClip* clip = nullptr)
        : m_mapping(mapping), m_clip(clip)
    {
    }

    void MoveTo(double x, double y);
    // A figure begun at the DC's current position.
    void MoveToCurrentPosition(HDC dc);
    void LineTo(double x, double y);
    // A Bezier curve from the last point through two control points.
    void BezierTo(double x1, double y1, double x2, double y2, double x3, double y3);
    void CloseFigure();
    // A closed shape inside the box (an ellipse, a rounded rectangle, a
    // pie, a rectangle), or, with 'open', an arc along it. A curve's box too
    // large for the player makes the estimates endless.
    void AddBoxShape(double left, double top, double right, double bottom, bool open = false, bool curved = true);

    // A point that the record places something at (a blit's corner, a
    // text's reference point), which draws nothing of itself.
    void AddPlace(double x, double y);

    // The estimates of what was added: stroked with the given pen and, with
    // 'filled', filled with the brush (Fill: filled alone); Placed alone,
    // for records whose drawing costs about nothing. Each is endless where a
    // point lands farther out than the player's arithmetic reaches, or a
    // curve's box is too large.
    double Drawn(const SelectedPen& pen, bool filled) const { return Work(pen, filled, true); }
    double Fill() const { return Drawn(SelectedPen{false, 0, false}, true); }
    // The outline widened by the pen into a path and not painted: the
    // player builds each piece with its joins (a path of 2,000 steps widened
    // by a pen 800 pixels wide took it under 5 ms; filling it, 1 s).
    double Widened(const SelectedPen& pen) const { return Work(pen, false, false); }
    double Placed() const;
    // What was placed filled as one box (a blit's destination): its pixels
    // of the kind inside the clip and the record's own price.
    double Covering(PlayerPixel kind = PlayerPixel::Fill) const;
    // How the DC stretches bitmaps: by averaging (HALFTONE mode) or plainly.
    static PlayerPixel StretchPixel(HDC dc);
    // Whether a coordinate, on the device or in a bitmap, lies within the
    // player's arithmetic.
    static bool Reaches(double coordinate);
    // Characters drawn with a font of the given area (FontInUnits::Area),
    // 'distinct' of them different, inside the clip (each copy clipped by
    // itself against its region); into a path they are only outlines.
    static double Text(double fontArea, const CDeviceClip& clip, unsigned count, unsigned distinct, bool intoPath);
    // A region of so many rectangles built and used, combined with a clip
    // region into at most 'combined' rectangles, painting at most 'area'
    // pixels.
    static double Region(double rectangles, double combined, double area);
    // One triangle or rectangle of a gradient, touching so many pixels
    // across so many rows.
    static double Gradient(double area, double rows, bool triangle);
    // So many pixels filled, plus the record's own price.
    static double Pixels(double area);
    // A record that only sets what later records draw with.
    static double State();
    // A record of a kind not measured, of so many bytes: as if each 4 bytes
    // were an item covering the clip box.
    static double Unmeasured(double bytes, const CDeviceClip& clip);

private:
    // Drawn's and Widened's estimate: the outline 'painted' (its pixels and
    // its pen's stroke filled) or only built.
    double Work(const SelectedPen& pen, bool filled, bool painted) const;
    // The pixels of the box of what was placed, widened by 'margin' all
    // round, inside the clip (none without a clip).
    double BoxPixels(double margin) const;
    // The figure's last point is now this one.
    void Arrive(double deviceX, double deviceY);
    void Place(double deviceX, double deviceY);

    const CDeviceMapping& m_mapping;
    const CDeviceClip* m_clip;
    CFillTally m_outline;
    double m_length = 0; // of the lines, in device pixels
    double m_pieces = 0; // lines, and the pieces the player cuts curves into
    double m_lastX = 0, m_lastY = 0, m_startX = 0, m_startY = 0;
    bool m_oversized = false;
    double m_farthest = 0;
    // The device box of every point placed.
    DeviceBox m_box;
};

// The pixels a record of the kind makes: its 'own', or where it stretches a
// bitmap, as the DC stretches.
template <class Kind>
PlayerPixel PixelOf(const Kind& kind, HDC dc, PlayerPixel own)
{
    return kind.Is(Stretches) ? CDrawingWork::StretchPixel(dc) : own;
}

// The microseconds the player takes over a record of either format, drawn
// into the DC as 'mapping' maps it now: one that only sets state a little,
// one of a kind not measured by its 'bytes' (Unmeasured), others by their
// kind's price, handed what 'pricing' makes of the clip. 'clipRectangles':
// the DC's clip region's (0 where it has none).
template <class Kind, class Pricing>
double RecordWork(const Kind& kind, HDC dc, const CDeviceMapping& mapping, double bytes, double clipRectangles,
                  Pricing pricing)
{
    if (kind.Is(SetsStateOnly))
        return CDrawingWork::State();
    const CDeviceClip clip(dc, mapping, clipRectangles);
    return kind.work == nullptr ? CDrawingWork::Unmeasured(bytes, clip) : kind.work(pricing(clip));
}
