#pragma once

#include "afx/app/AfxWin.h"

#include <vector>

// Follows how the records of a metafile map their coordinates to
// the reference device's pixels, as the player will: the world transform
// and the mapping mode with its window and viewport, set, changed, saved and
// restored. Answers whether the world transform stays finite and within a
// bounded scale (products of transforms included), and where a logical
// point lands on the reference device.
class CRecordSpace
{
public:
    // The reference device's size in pixels and millimetres; the largest
    // factor of a world transform.
    CRecordSpace(const SIZEL& pixels, const SIZEL& millimetres, double scaleLimit);

    bool SetWorld(const XFORM& transform);
    // A change as EMR_MODIFYWORLDTRANSFORM asks for it (MWT_...).
    bool ModifyWorld(const XFORM& transform, DWORD mode);
    void SetMapMode(DWORD mode);
    void SetWindowExtent(LONG cx, LONG cy);
    void SetViewportExtent(LONG cx, LONG cy);
    void SetWindowOrigin(LONG x, LONG y);
    void SetViewportOrigin(LONG x, LONG y);
    // The mapping a program sets before it plays a placed Windows
    // metafile: the box's origin and size in logical units onto a
    // viewport of the given size at the device's origin.
    void MapBox(const RECT& box, double viewportWidth, double viewportHeight);
    void OffsetWindowOrigin(LONG dx, LONG dy);
    void OffsetViewportOrigin(LONG dx, LONG dy);
    void ScaleWindowExtent(LONG xNum, LONG xDenom, LONG yNum, LONG yDenom);
    void ScaleViewportExtent(LONG xNum, LONG xDenom, LONG yNum, LONG yDenom);
    void Save();
    // False for a level that names no saved state: the player may refuse it
    // or restore one from before the picture, and the space is not known.
    bool Restore(long level);

    // The map from logical units to the reference device's pixels:
    // x' = xx x + xy y + x0, y' = yx x + yy y + y0.
    struct Placement
    {
        double xx, xy, yx, yy, x0, y0;
    };
    Placement Place() const;

private:
    struct Matrix
    {
        double m11, m12, m21, m22, dx, dy;
    };
    struct Mapping
    {
        DWORD mode;
        double windowX, windowY, viewportX, viewportY; // extents
        double windowOriginX, windowOriginY, viewportOriginX, viewportOriginY;
    };
    struct State
    {
        Matrix world;
        Mapping mapping;
    };
    static Matrix FromXform(const XFORM& transform);
    static Matrix Product(const Matrix& first, const Matrix& then);
    bool IsBounded(const Matrix& matrix) const;
    bool ScalesFreely() const;

    // Saved states: the first few in place, as most pictures nest only a
    // few saves and the check must stay quick; the others in the overflow.
    static const size_t InPlace = 8;
    State& SavedAt(size_t level);

    SIZEL m_pixels, m_millimetres;
    double m_scaleLimit;
    State m_current;
    State m_saved[InPlace];
    std::vector<State> m_overflow;
    size_t m_depth;
};
