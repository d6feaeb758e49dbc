#pragma once

#include "afx/app/AfxWin.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

// What a record makes the player hold: at its peak while it is played
// (expanded bitmaps, regions built and combined), what stays for the rest
// of the draw (pattern brushes, regions made, glyphs cached), and what it
// does to the DC's clip region and saved states.
struct RecordMemory
{
    enum ClipEffect
    {
        KeepsClip,
        ChangesClip,
        SavesClip,
        RestoresClip,
    };
    double peak = 0;
    double kept = 0;
    // Kept by a DC that records a metafile, after the draw too.
    double recorded = 0;
    ClipEffect clip = KeepsClip;

    // A record that holds so many bytes while it is played, or for the
    // rest of the draw.
    static RecordMemory Peak(double bytes, ClipEffect clip = KeepsClip) { return {bytes, 0, 0, clip}; }
    static RecordMemory Kept(double bytes) { return {bytes, bytes}; }
    // Held while the record plays, or for the rest of the draw where 'kept'.
    static RecordMemory Held(double bytes, bool kept) { return kept ? Kept(bytes) : Peak(bytes); }
};

// The bytes one draw of a metafile makes the platform's player hold, kept
// well under what a 32-bit process has: when the player runs out of memory
// inside a draw it leaves a lock held, and the next drawing call of every
// other thread never returns. A record that would take the draw over the
// limit is skipped. The clip region is asked of the DC that plays.
class CDrawingMemory
{
public:
    // The bytes a draw may make the player hold: a photograph of 4000 x 3000
    // placed whole takes 48 MB.
    static constexpr double Limit = 128.0 * (1 << 20);
    // The bytes the DC's saved states may hold. The platform keeps blocks
    // of the size of a clip region freed for the thread that freed them (a
    // draw that saved a clip region of 130 KB 980 times left 127 MB held
    // after it ended, a draw on another thread as much again); nested
    // states of real pictures hold a few kilobytes.
    static constexpr double SavedLimit = 32.0 * (1 << 20);
    // The bytes of big glyphs a draw may add to the platform's glyph cache,
    // which keeps them after the draw: thirty letters of a 9,000-pixel font
    // drawn at eight sizes left 170 MB held under the draw's whole limit,
    // 87 MB under this one. A title in letters 1,500 pixels high takes
    // about 1 MB a letter.
    static constexpr double GlyphLimit = 64.0 * (1 << 20);
    // The bytes a DC that records a metafile may keep of copies a draw
    // makes of its objects (regions clipped to or painted again and again),
    // which stay in the recording after the draw.
    static constexpr double RecordedLimit = 32.0 * (1 << 20);

    // Whether the record can be played within the limits: what the draw
    // holds, the clip region and a copy of it that drawing against it
    // makes, and the record's peak; the states saved; the glyphs cached.
    bool Affords(HDC dc, const RecordMemory& record);
    // The record was played, taking back so many of the states saved.
    void Played(HDC dc, const RecordMemory& record, int restored);

    // The rectangles of the DC's clip and meta regions (CDeviceClip::
    // Rectangles: 0 for neither), read once until a record changes them.
    double ClipRegionRectangles(HDC dc);
    // The bytes of a region of so many rectangles, as the player keeps it.
    static double RegionBytes(double rectangles) { return 32 + 16 * rectangles; }
    // The bytes of the clip region combined (RGN_AND, RGN_OR...) with a
    // region of so many rectangles, at most.
    double CombinedClipBytes(HDC dc, double rectangles, int mode);
    // The records that change or save the clip region alike in both kinds
    // of metafile: a rectangle intersected or excluded, the region moved
    // (its rectangles kept) or made the meta region, saved with the DC's
    // state, or restored (the guard gives the levels: it plays only
    // the states the metafile saved).
    enum ClipRecord
    {
        IntersectsClip,
        ExcludesClip,
        OffsetsClip,
        SetsMetaRegion,
        SavesDC,
        RestoresDC,
    };
    RecordMemory ClipRecordMemory(HDC dc, ClipRecord record);
    // The bytes of a region of so many rectangles made, then cut to the
    // clip region to be filled or painted.
    double PaintedRegionBytes(HDC dc, double rectangles)
    {
        return RegionBytes(rectangles) + CombinedClipBytes(dc, rectangles, RGN_AND);
    }
    // The bytes a bitmap of the given info header expands to whatever its
    // compression, 4 a pixel; 'available' bytes are readable at 'info'
    // (the load check has found a whole header there).
    static double BitmapBytes(const BYTE* info, size_t available);
    // The bytes the player's glyph cache takes for the characters of the
    // text that this draw has not yet cached in a font of this area
    // (FontInUnits::Area); they are kept once the record is played.
    double NewGlyphBytes(double fontArea, const BYTE* text, unsigned count, bool wide);

private:
    // As ClipRegionRectangles, but one for none, as the region's bytes count.
    double ClipRectangles(HDC dc) { return std::max(1.0, ClipRegionRectangles(dc)); }
    double ClipBytes(HDC dc) { return RegionBytes(ClipRectangles(dc)); }

    // Kept for the rest of the draw: brushes, regions and glyphs.
    double m_kept = 0;
    // The clip region's bytes at each saved state.
    std::vector<double> m_saved;
    double m_savedBytes = 0;
    // The clip region's rectangles, until a record changes it.
    double m_clipRectangles = -1;
    // Big glyphs cached in this draw (by font area and character), and
    // those the record being judged adds.
    std::unordered_set<unsigned long long> m_glyphs, m_newGlyphs;
    double m_glyphBytes = 0, m_newGlyphBytes = 0;
    double m_recorded = 0;
};

// The memory price of a record that changes or saves the clip region, alike
// in both kinds of metafile (the pricing gives the DC and the draw's memory).
template <CDrawingMemory::ClipRecord Record, class Pricing>
RecordMemory ClipChangeMemory(const Pricing& pricing)
{
    return pricing.memory.ClipRecordMemory(pricing.dc, Record);
}
