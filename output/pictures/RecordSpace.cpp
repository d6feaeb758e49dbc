#include "output/pictures/RecordSpace.h"

#include <cmath>

namespace
{
// Millimetres to a logical unit of a fixed mapping mode; 0 for the others.
double MillimetresPerUnit(DWORD mode)
{
    switch (mode)
    {
    case MM_LOMETRIC:
        return 0.1;
    case MM_HIMETRIC:
        return 0.01;
    case MM_LOENGLISH:
        return 0.254;
    case MM_HIENGLISH:
        return 0.0254;
    case MM_TWIPS:
        return 25.4 / 1440;
    default:
        return 0;
    }
}
} // namespace

CRecordSpace::CRecordSpace(const SIZEL& pixels, const SIZEL& millimetres, double scaleLimit)
    : m_pixels(pixels), m_millimetres(millimetres), m_scaleLimit(scaleLimit),
      m_current{{1, 0, 0, 1, 0, 0}, {MM_TEXT, 1, 1, 1, 1, 0, 0, 0, 0}}, m_depth(0)
{
}

CRecordSpace::Matrix CRecordSpace::FromXform(const XFORM& transform)
{
    return Matrix{transform.eM11, transform.eM12, transform.eM21, transform.eM22, transform.eDx, transform.eDy};
}

// The transform that applies 'first' and then 'then'.
CRecordSpace::Matrix CRecordSpace::Product(const Matrix& first, const Matrix& then)
{
    return Matrix{first.m11 * then.m11 + first.m12 * then.m21, first.m11 * then.m12 + first.m12 * then.m22,
                  first.m21 * then.m11 + first.m22 * then.m21, first.m21 * then.m12 + first.m22 * then.m22,
                  first.dx * then.m11 + first.dy * then.m21 + then.dx,
                  first.dx * then.m12 + first.dy * then.m22 + then.dy};
}

bool CRecordSpace::IsBounded(const Matrix& matrix) const
{
    // NaN fails every comparison, so these hold only for finite values.
    const double factors[] = {matrix.m11, matrix.m12, matrix.m21, matrix.m22};
    for (double factor : factors)
        if (!(std::fabs(factor) <= m_scaleLimit))
            return false;
    return std::isfinite(matrix.dx) && std::isfinite(matrix.dy);
}

bool CRecordSpace::SetWorld(const XFORM& transform)
{
    const Matrix matrix = FromXform(transform);
    if (!IsBounded(matrix))
        return false;
    m_current.world = matrix;
    return true;
}

bool CRecordSpace::ModifyWorld(const XFORM& transform, DWORD mode)
{
    const Matrix matrix = FromXform(transform);
    switch (mode)
    {
    case MWT_IDENTITY:
        m_current.world = Matrix{1, 0, 0, 1, 0, 0};
        return true;
    case MWT_LEFTMULTIPLY:
        m_current.world = Product(matrix, m_current.world);
        break;
    case MWT_RIGHTMULTIPLY:
        m_current.world = Product(m_current.world, matrix);
        break;
    default: // players differ on other modes
        return false;
    }
    return IsBounded(matrix) && IsBounded(m_current.world);
}

// Window and viewport extents count only in these modes; the others fix them.
bool CRecordSpace::ScalesFreely() const
{
    return m_current.mapping.mode == MM_ISOTROPIC || m_current.mapping.mode == MM_ANISOTROPIC;
}

void CRecordSpace::SetMapMode(DWORD mode)
{
    Mapping& mapping = m_current.mapping;
    if (mode < MM_MIN || mode > MM_MAX)
        return;
    // The free modes keep the extents they find.
    if (mode != MM_ISOTROPIC && mode != MM_ANISOTROPIC)
    {
        const double millimetres = MillimetresPerUnit(mode);
        mapping.windowX = mapping.windowY = 1;
        // The fixed modes other than MM_TEXT count y upwards.
        mapping.viewportX = millimetres == 0 ? 1 : millimetres * m_pixels.cx / m_millimetres.cx;
        mapping.viewportY = millimetres == 0 ? 1 : -millimetres * m_pixels.cy / m_millimetres.cy;
    }
    mapping.mode = mode;
}

void CRecordSpace::SetWindowExtent(LONG cx, LONG cy)
{
    if (ScalesFreely() && cx != 0 && cy != 0)
    {
        m_current.mapping.windowX = cx;
        m_current.mapping.windowY = cy;
    }
}

void CRecordSpace::SetViewportExtent(LONG cx, LONG cy)
{
    if (ScalesFreely() && cx != 0 && cy != 0)
    {
        m_current.mapping.viewportX = cx;
        m_current.mapping.viewportY = cy;
    }
}

void CRecordSpace::SetWindowOrigin(LONG x, LONG y)
{
    m_current.mapping.windowOriginX = x;
    m_current.mapping.windowOriginY = y;
}

void CRecordSpace::SetViewportOrigin(LONG x, LONG y)
{
    m_current.mapping.viewportOriginX = x;
    m_current.mapping.viewportOriginY = y;
}

void CRecordSpace::MapBox(const RECT& box, double viewportWidth, double viewportHeight)
{
    Mapping& mapping = m_current.mapping;
    mapping.mode = MM_ANISOTROPIC;
    mapping.windowX = (double)box.right - box.left;
    mapping.windowY = (double)box.bottom - box.top;
    mapping.windowOriginX = box.left;
    mapping.windowOriginY = box.top;
    mapping.viewportX = viewportWidth;
    mapping.viewportY = viewportHeight;
    mapping.viewportOriginX = mapping.viewportOriginY = 0;
}

void CRecordSpace::OffsetWindowOrigin(LONG dx, LONG dy)
{
    m_current.mapping.windowOriginX += dx;
    m_current.mapping.windowOriginY += dy;
}

void CRecordSpace::OffsetViewportOrigin(LONG dx, LONG dy)
{
    m_current.mapping.viewportOriginX += dx;
    m_current.mapping.viewportOriginY += dy;
}

void CRecordSpace::ScaleWindowExtent(LONG xNum, LONG xDenom, LONG yNum, LONG yDenom)
{
    Mapping& mapping = m_current.mapping;
    if (ScalesFreely() && xNum != 0 && xDenom != 0 && yNum != 0 && yDenom != 0)
    {
        mapping.windowX = mapping.windowX * xNum / xDenom;
        mapping.windowY = mapping.windowY * yNum / yDenom;
    }
}

void CRecordSpace::ScaleViewportExtent(LONG xNum, LONG xDenom, LONG yNum, LONG yDenom)
{
    Mapping& mapping = m_current.mapping;
    if (ScalesFreely() && xNum != 0 && xDenom != 0 && yNum != 0 && yDenom != 0)
    {
        mapping.viewportX = mapping.viewportX * xNum / xDenom;
        mapping.viewportY = mapping.viewportY * yNum / yDenom;
    }
}

CRecordSpace::State& CRecordSpace::SavedAt(size_t level)
{
    return level < InPlace ? m_saved[level] : m_overflow[level - InPlace];
}

void CRecordSpace::Save()
{
    if (m_depth >= InPlace)
        m_overflow.push_back(m_current);
    else
        m_saved[m_depth] = m_current;
    ++m_depth;
}

bool CRecordSpace::Restore(long level)
{
    if (level >= 0 || (size_t)-level > m_depth)
        return false;
    m_depth -= (size_t)-level;
    m_current = SavedAt(m_depth);
    m_overflow.resize(m_depth > InPlace ? m_depth - InPlace : 0);
    return true;
}

CRecordSpace::Placement CRecordSpace::Place() const
{
    // A point p lands at ((p W + world offset) - window origin) * scale +
    // viewport origin, each axis with its own scale.
    const Matrix& world = m_current.world;
    const Mapping& mapping = m_current.mapping;
    double scaleX = mapping.viewportX / mapping.windowX, scaleY = mapping.viewportY / mapping.windowY;
    if (mapping.mode == MM_ISOTROPIC)
    {
        // The player shrinks the viewport extent of the axis whose units are
        // the larger on paper to whole pixels (at least one), so that a unit
        // is as long across as down.
        const double acrossMm = std::fabs(scaleX) * m_millimetres.cx / m_pixels.cx;
        const double downMm = std::fabs(scaleY) * m_millimetres.cy / m_pixels.cy;
        const auto shrunk = [](double extent, double ratio) {
            const double pixels = std::floor(extent * ratio + 0.5);
            return pixels != 0 ? pixels : extent >= 0 ? 1.0 : -1.0;
        };
        if (acrossMm > downMm)
            scaleX = shrunk(mapping.viewportX, downMm / acrossMm) / mapping.windowX;
        else if (downMm > acrossMm)
            scaleY = shrunk(mapping.viewportY, acrossMm / downMm) / mapping.windowY;
    }
    return Placement{scaleX * world.m11,
                     scaleX * world.m21,
                     scaleY * world.m12,
                     scaleY * world.m22,
                     scaleX * (world.dx - mapping.windowOriginX) + mapping.viewportOriginX,
                     scaleY * (world.dy - mapping.windowOriginY) + mapping.viewportOriginY};
}
