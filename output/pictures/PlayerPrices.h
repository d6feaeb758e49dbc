#pragma once

#include "afx/app/AfxWin.h"

// The kinds of pixel whose price in the platform's player follows the
// machine's speed more than anything the metafile holds.
enum class PlayerPixel
{
    Fill,             // a shape's or a region's pixels
    Blit,             // copied from a bitmap as they are
    MaskedBlit,       // copied through a mask
    AlphaBlit,        // blended with what is there
    PlainStretch,     // stretched by leaving out or repeating (COLORONCOLOR)
    HalftoneStretch,  // stretched by averaging (HALFTONE)
    GradientTriangle, // one of a gradient's triangles
    GlyphComposite,   // a character's cell as its glyph is composited
    Count
};

// Microseconds the player takes over one device pixel of each kind: the
// built-in figure, or where the player on this machine is slower, what a
// small reference draw measured (once per process, the first time a price
// is asked for). Machines of one kind have differed twentyfold: a bitmap
// stretched by averaging took 30 ns a pixel on one, 540-800 ns on another.
class CPlayerPrices
{
public:
    static double Of(PlayerPixel kind);
    static double BuiltIn(PlayerPixel kind);
    // What the reference draw measured on this machine (or the override).
    static double Measured(PlayerPixel kind);
    // Milliseconds the reference draws took together.
    static double MeasuringMilliseconds();

    // Takes the reference measurement of a kind as given while it lives, as
    // if this machine's player were that fast or slow.
    class CScopedMeasurement
    {
    public:
        CScopedMeasurement(PlayerPixel kind, double microseconds);
        ~CScopedMeasurement();
        CScopedMeasurement(const CScopedMeasurement&) = delete;
        CScopedMeasurement& operator=(const CScopedMeasurement&) = delete;

    private:
        PlayerPixel m_kind;
        double m_outer;
    };
};
