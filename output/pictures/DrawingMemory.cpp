#include "output/pictures/DrawingMemory.h"

#include "output/pictures/DeviceClip.h"
#include "output/pictures/TextWork.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
// The player's glyph cache takes about 0.4 bytes a pixel of the em square
// (measured: 1.35 MB a letter of a 2,000-pixel font, 30 MB of a 9,000-pixel
// one), kept after the font is deleted; FontInUnits::Area is at least the
// square. Glyphs under 4 KB (fonts under about 90 pixels) are not counted:
// a file names too few characters for them to add up to much, while 8,000
// different characters 300 pixels high, 40 a record (a 64 KB picture), left
// 131 MB held after a draw.
const double GlyphBytesPerPixel = 0.5;
const double BigGlyphBytes = 4096;
} // namespace

bool CDrawingMemory::Affords(HDC dc, const RecordMemory& record)
{
    const bool saves = record.clip == RecordMemory::SavesClip;
    if (m_kept + m_savedBytes + 2 * ClipBytes(dc) + record.peak <= Limit &&
        (!saves || m_savedBytes + record.peak <= SavedLimit) && m_glyphBytes + m_newGlyphBytes <= GlyphLimit &&
        m_recorded + record.recorded <= RecordedLimit)
        return true;
    m_newGlyphs.clear();
    m_newGlyphBytes = 0;
    return false;
}

void CDrawingMemory::Played(HDC dc, const RecordMemory& record, int restored)
{
    m_kept += record.kept;
    m_recorded += record.recorded;
    m_glyphs.insert(m_newGlyphs.begin(), m_newGlyphs.end());
    m_newGlyphs.clear();
    m_glyphBytes += m_newGlyphBytes;
    m_newGlyphBytes = 0;
    if (record.clip == RecordMemory::SavesClip)
        m_savedBytes += m_saved.emplace_back(ClipBytes(dc));
    if (record.clip == RecordMemory::RestoresClip)
        for (int level = 0; level < restored && !m_saved.empty(); ++level)
        {
            m_savedBytes -= m_saved.back();
            m_saved.pop_back();
        }
    if (record.clip == RecordMemory::ChangesClip || record.clip == RecordMemory::RestoresClip)
        m_clipRectangles = -1;
}

double CDrawingMemory::ClipRegionRectangles(HDC dc)
{
    if (m_clipRectangles < 0)
        m_clipRectangles = CDeviceClip::Rectangles(dc);
    return m_clipRectangles;
}

// Regions are bands of rectangles: two regions of a and b rectangles make
// at most 2 (a + b) bands, each of at most a + b rectangles; an
// intersection also at most a rectangle for each pair.
double CDrawingMemory::CombinedClipBytes(HDC dc, double rectangles, int mode)
{
    if (mode == RGN_COPY)
        return RegionBytes(rectangles);
    const double clip = ClipRectangles(dc);
    const double banded = 2 * (clip + rectangles) * (clip + rectangles);
    return RegionBytes(mode == RGN_AND ? std::min(clip * rectangles, banded) : banded);
}

RecordMemory CDrawingMemory::ClipRecordMemory(HDC dc, ClipRecord record)
{
    const double clip = ClipBytes(dc);
    switch (record)
    {
    case IntersectsClip:
        return RecordMemory::Peak(CombinedClipBytes(dc, 1, RGN_AND), RecordMemory::ChangesClip);
    case ExcludesClip:
        // A rectangle of the region that the one excluded cuts becomes at
        // most three, and two more bands begin.
        return RecordMemory::Peak(RegionBytes(3 * ClipRectangles(dc) + 4), RecordMemory::ChangesClip);
    case OffsetsClip:
        // Moved, the clip region keeps its rectangles: asking for them again
        // after each move of a region of 120,000 took the guard three times
        // the player's time.
        return RecordMemory::Peak(clip);
    case SetsMetaRegion:
        return RecordMemory::Peak(clip, RecordMemory::ChangesClip);
    case SavesDC:
        return RecordMemory::Peak(clip, RecordMemory::SavesClip);
    default:
        return RecordMemory::Peak(0, RecordMemory::RestoresClip);
    }
}

double CDrawingMemory::BitmapBytes(const BYTE* info, size_t available)
{
    if (available < sizeof(BITMAPCOREHEADER))
        return 0;
    DWORD headerSize;
    std::memcpy(&headerSize, info, 4);
    if (headerSize == sizeof(BITMAPCOREHEADER))
    {
        BITMAPCOREHEADER core;
        std::memcpy(&core, info, sizeof(core));
        return 4.0 * core.bcWidth * core.bcHeight;
    }
    if (available < sizeof(BITMAPINFOHEADER))
        return 0;
    BITMAPINFOHEADER header;
    std::memcpy(&header, info, sizeof(header));
    return 4.0 * std::fabs((double)header.biWidth) * std::fabs((double)header.biHeight);
}

double CDrawingMemory::NewGlyphBytes(double fontArea, const BYTE* text, unsigned count, bool wide)
{
    const double glyph = fontArea * GlyphBytesPerPixel;
    if (!(glyph >= BigGlyphBytes) || count == 0)
        return 0;
    if (!std::isfinite(glyph))
        return m_newGlyphBytes = glyph;
    const unsigned long long font = (unsigned long long)fontArea << 16;
    const size_t before = m_newGlyphs.size();
    for (unsigned i = 0; i < count; ++i)
    {
        const unsigned long long key = font | CharacterAt(text, i, wide);
        if (m_glyphs.count(key) == 0)
            m_newGlyphs.insert(key);
        // Past the limit the rest need not be looked at.
        if ((m_newGlyphs.size() - before) * glyph > Limit)
            break;
    }
    const double bytes = (m_newGlyphs.size() - before) * glyph;
    m_newGlyphBytes += bytes;
    return bytes;
}
