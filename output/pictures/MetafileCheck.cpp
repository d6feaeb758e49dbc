#include "output/pictures/MetafileCheck.h"

#include "foundation/files/LittleEndian.h"

#include "output/pictures/FillTally.h"
#include "output/pictures/PlayerLimits.h"
#include "output/pictures/PointRun.h"
#include "output/pictures/RecordReach.h"
#include "output/pictures/RecordSpace.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <set>
#include <vector>

namespace
{
const DWORD MetaHeaderBytes = 18;

// The parameters of one record as 16-bit words.
struct Record
{
    const BYTE* params;
    DWORD count;

    WORD operator[](DWORD i) const { return (WORD)(params[2 * i] | (params[2 * i + 1] << 8)); }
    SHORT Signed(DWORD i) const { return (SHORT)(*this)[i]; }
    DWORD Long(DWORD i) const { return (*this)[i] | ((DWORD)(*this)[i + 1] << 16); }
};

// Parameters that the player reads from fixed places of each record kind.
DWORD FixedParameters(WORD function)
{
    switch (function)
    {
    case META_SETBKCOLOR:
    case META_SETTEXTCOLOR:
    case META_SETWINDOWORG:
    case META_SETWINDOWEXT:
    case META_SETVIEWPORTORG:
    case META_SETVIEWPORTEXT:
    case META_OFFSETWINDOWORG:
    case META_OFFSETVIEWPORTORG:
    case META_LINETO:
    case META_MOVETO:
    case META_SETTEXTJUSTIFICATION:
    case META_SETMAPPERFLAGS:
    case META_OFFSETCLIPRGN:
        return 2;
    case META_SETPIXEL:
    case META_FLOODFILL:
        return 4;
    case META_SCALEWINDOWEXT:
    case META_SCALEVIEWPORTEXT:
    case META_RECTANGLE:
    case META_ELLIPSE:
    case META_EXCLUDECLIPRECT:
    case META_INTERSECTCLIPRECT:
        return 4;
    case META_EXTFLOODFILL:
        return 5;
    case META_ROUNDRECT:
    case META_PATBLT:
        return 6;
    case META_ARC:
    case META_CHORD:
    case META_PIE:
        return 8;
    case META_CREATEPENINDIRECT:
        return 5;
    case META_CREATEBRUSHINDIRECT:
        return 4;
    case META_CREATEFONTINDIRECT:
        return 9;
    case META_SETBKMODE:
    case META_SETMAPMODE:
    case META_SETROP2:
    case META_SETRELABS:
    case META_SETPOLYFILLMODE:
    case META_SETSTRETCHBLTMODE:
    case META_SETTEXTCHAREXTRA:
    case META_SETTEXTALIGN:
    case META_RESTOREDC:
    case META_SELECTOBJECT:
    case META_DELETEOBJECT:
    case META_SELECTPALETTE:
    case META_SELECTCLIPREGION:
    case META_INVERTREGION:
    case META_PAINTREGION:
    case META_RESIZEPALETTE:
        return 1;
    case META_FILLREGION:
        return 2;
    case META_FRAMEREGION:
        return 4;
    default:
        return 0;
    }
}

// A BITMAPINFO and its pixels from word 'first' to the record's end. Its
// colour table holds colours, or with DIB_PAL_COLORS 16-bit indexes into the
// selected palette.
BOOL IsDibSound(const Record& r, DWORD first, DWORD usage = DIB_RGB_COLORS)
{
    const bool paletteIndexes = usage == DIB_PAL_COLORS;
    if (first > r.count)
        return FALSE;
    const unsigned long long bytes = 2ull * (r.count - first);
    const BYTE* dib = r.params + 2 * first;
    if (bytes < sizeof(BITMAPCOREHEADER))
        return FALSE;
    DWORD headerSize;
    std::memcpy(&headerSize, dib, 4);
    unsigned long long width, height, bits, colours, image;
    if (headerSize == sizeof(BITMAPCOREHEADER))
    {
        BITMAPCOREHEADER core;
        std::memcpy(&core, dib, sizeof(core));
        width = core.bcWidth;
        height = core.bcHeight;
        bits = (unsigned long long)core.bcBitCount * core.bcPlanes;
        colours = bits <= 8 ? ((paletteIndexes ? 2ull : 3ull) << bits) : 0;
        image = ((width * bits + 31) / 32) * 4 * height;
    }
    else
    {
        if (headerSize < sizeof(BITMAPINFOHEADER) || headerSize > bytes)
            return FALSE;
        BITMAPINFOHEADER info;
        std::memcpy(&info, dib, sizeof(info));
        if (info.biWidth <= 0 || info.biHeight == 0 || info.biHeight < -0x7FFFFFFF || info.biPlanes != 1)
            return FALSE;
        width = (unsigned long long)info.biWidth;
        height = (unsigned long long)(info.biHeight < 0 ? -(long long)info.biHeight : info.biHeight);
        bits = info.biBitCount;
        unsigned long long entries = info.biClrUsed != 0 ? info.biClrUsed : bits <= 8 ? (1ull << bits) : 0;
        if (entries > 256)
            return FALSE;
        colours =
            (paletteIndexes ? 2 : 4) * entries + (info.biCompression == BI_BITFIELDS && headerSize == 40 ? 12 : 0);
        image = ((width * bits + 31) / 32) * 4 * height;
        if (info.biCompression != BI_RGB && info.biCompression != BI_BITFIELDS)
            image = info.biSizeImage;
        colours += headerSize;
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return FALSE;
    if (headerSize == sizeof(BITMAPCOREHEADER))
        colours += headerSize;
    return colours <= bytes && image <= bytes - colours;
}

// A 16-bit BITMAP record (width, height, bytes per row, planes, bits,
// a pointer) and its pixels from word 'first' on.
BOOL IsBitmap16Sound(const Record& r, DWORD first)
{
    if (first + 7 > r.count)
        return FALSE;
    unsigned long long image = (unsigned long long)r[first + 2] * r[first + 1] * (r[first + 3] & 0xFF);
    return r[first + 2] >= ((unsigned long long)r[first] * (r[first + 4] & 0xFF) + 15) / 16 * 2 &&
           image <= 2ull * (r.count - first - 7);
}

BOOL IsRegionSound(const Record& r)
{
    // next, type, count (two words), size, scan count, largest scan, bounds
    // (four words): the scans begin at word 11
    if (r.count < 11)
        return FALSE;
    DWORD at = 11;
    for (DWORD scan = 0; scan < r[5]; ++scan)
    {
        if (at + 3 > r.count)
            return FALSE;
        const DWORD coordinates = r[at];
        if (coordinates % 2 != 0 || at + 3 + coordinates + 1 > r.count)
            return FALSE;
        at += 3 + coordinates + 1;
    }
    return TRUE;
}

BOOL IsRecordSound(WORD function, const Record& r, DWORD objects)
{
    if (r.count < FixedParameters(function))
        return FALSE;
    switch (function)
    {
    case META_SELECTOBJECT:
    case META_DELETEOBJECT:
    case META_SELECTPALETTE:
        return r[0] < objects;
    case META_SELECTCLIPREGION:
        return r[0] == 0 || r[0] < objects;
    case META_INVERTREGION:
    case META_PAINTREGION:
        return r[0] < objects;
    case META_FILLREGION:
        return r[0] < objects && r[1] < objects;
    case META_FRAMEREGION:
        return r[0] < objects && r[1] < objects;
    case META_POLYGON:
    case META_POLYLINE:
        return r.count >= 1 && 1 + 2ull * r[0] <= r.count;
    case META_POLYPOLYGON: {
        if (r.count < 1 || 1ull + r[0] > r.count)
            return FALSE;
        unsigned long long points = 0;
        for (DWORD i = 0; i < r[0]; ++i)
            points += r[1 + i];
        return 1ull + r[0] + 2 * points <= r.count;
    }
    case META_TEXTOUT:
        return r.count >= 1 && 1ull + (r[0] + 1) / 2 + 2 <= r.count;
    case META_EXTTEXTOUT: {
        if (r.count < 4)
            return FALSE;
        const unsigned long long rect = (r[3] & (ETO_OPAQUE | ETO_CLIPPED)) != 0 ? 4 : 0;
        return 4 + rect + (r[2] + 1ull) / 2 <= r.count;
    }
    case META_CREATEPALETTE:
    case META_SETPALENTRIES:
    case META_ANIMATEPALETTE:
        return r.count >= 2 && 2 + 2ull * r[1] <= r.count;
    case META_ESCAPE:
        return r.count >= 2 && 2 + (r[1] + 1ull) / 2 <= r.count;
    case META_CREATEREGION:
        return IsRegionSound(r);
    case META_DIBCREATEPATTERNBRUSH:
        // The pattern is a device-independent bitmap whatever the style
        // (BS_PATTERN included): the player reads it as one, with a table
        // of colours for BS_PATTERN whatever the usage says.
        return r.count >= 2 && IsDibSound(r, 2, r[0] == BS_PATTERN ? DIB_RGB_COLORS : r[1]);
    case META_CREATEPATTERNBRUSH:
        return IsBitmap16Sound(r, 0);
    case META_DIBBITBLT:
        return r.count == 9 || (r.count >= 8 && IsDibSound(r, 8));
    case META_DIBSTRETCHBLT:
        return r.count == 11 || (r.count >= 10 && IsDibSound(r, 10));
    case META_STRETCHDIB:
        return r.count >= 11 && IsDibSound(r, 11, r[2]);
    case META_SETDIBTODEV:
        return r.count >= 9 && IsDibSound(r, 9, r[0]);
    case META_BITBLT:
        return r.count == 9 || (r.count >= 8 && IsBitmap16Sound(r, 8));
    case META_STRETCHBLT:
        return r.count == 11 || (r.count >= 10 && IsBitmap16Sound(r, 10));
    default:
        return TRUE;
    }
}

// What the records of a placed metafile draw, as the program plays them:
// the placeable box mapped onto the picture's place (measured here at 96
// pixels to the inch), then the records' own mapping. Follows the objects
// that the records make in the handle table's first free place and the pen
// selected, and refuses pens and fills that the player takes seconds over,
// as for enhanced metafiles.
class CRecordGeometry
{
public:
    CRecordGeometry(const RECT& box, UINT unitsPerInch, DWORD objects)
        : m_space(SIZEL{9600, 9600}, SIZEL{254, 254}, 1), m_objects(objects, Unused)
    {
        const double pixels = 96.0 / (unitsPerInch < 2 ? 1 : unitsPerInch);
        const double width = pixels * (box.right - box.left), height = pixels * (box.bottom - box.top);
        m_space.MapBox(box, width, height);
        m_box = {width / 2, height / 2, ReachPerFrame * width, ReachPerFrame * height};
    }

    // False when the record draws what the player takes seconds over, or
    // restores a state it did not save.
    bool Follow(WORD function, const Record& r);

private:
    const CRecordReach& Reach()
    {
        if (m_spaceChanged)
        {
            m_reach = CRecordReach(m_space.Place(), m_box);
            m_spaceChanged = false;
        }
        return m_reach;
    }
    void Make(double penWidth);
    bool PenFits() { return Reach().DrawsPenQuickly(m_penWidth); }
    // 'count' points of x and y from parameter 'at' as a closed figure.
    void AddPolygon(const Record& r, DWORD at, DWORD count, CFillTally& outline)
    {
        AddPointLines<4>(r.params + 2 * at, count, Reach().DownOf(), NULL, true, outline);
    }

    CRecordSpace m_space;
    CRecordReach::Box m_box;
    CRecordReach m_reach;
    bool m_spaceChanged = true;
    // The handle table: a pen's width in each place that holds a pen, and
    // the places freed below the first never used.
    static constexpr float Unused = -2, NotPen = -1;
    std::vector<float> m_objects;
    std::set<DWORD> m_freed;
    DWORD m_unused = 0;
    double m_penWidth = 0;
    std::vector<double> m_savedPens;
    CFillBudget m_fills;
};

void CRecordGeometry::Make(double penWidth)
{
    DWORD place;
    if (!m_freed.empty())
    {
        place = *m_freed.begin();
        m_freed.erase(m_freed.begin());
    }
    else if (m_unused < m_objects.size())
        place = m_unused++;
    else
        return; // the table is full: the player makes nothing
    m_objects[place] = (float)penWidth;
}

bool CRecordGeometry::Follow(WORD function, const Record& r)
{
    switch (function)
    {
    case META_SETMAPMODE:
        m_space.SetMapMode(r[0]);
        break;
    case META_SETWINDOWORG:
        m_space.SetWindowOrigin(r.Signed(1), r.Signed(0));
        break;
    case META_SETWINDOWEXT:
        m_space.SetWindowExtent(r.Signed(1), r.Signed(0));
        break;
    case META_SETVIEWPORTORG:
        m_space.SetViewportOrigin(r.Signed(1), r.Signed(0));
        break;
    case META_SETVIEWPORTEXT:
        m_space.SetViewportExtent(r.Signed(1), r.Signed(0));
        break;
    case META_OFFSETWINDOWORG:
        m_space.OffsetWindowOrigin(r.Signed(1), r.Signed(0));
        break;
    case META_OFFSETVIEWPORTORG:
        m_space.OffsetViewportOrigin(r.Signed(1), r.Signed(0));
        break;
    case META_SCALEWINDOWEXT:
        m_space.ScaleWindowExtent(r.Signed(3), r.Signed(2), r.Signed(1), r.Signed(0));
        break;
    case META_SCALEVIEWPORTEXT:
        m_space.ScaleViewportExtent(r.Signed(3), r.Signed(2), r.Signed(1), r.Signed(0));
        break;
    case META_SAVEDC:
        m_space.Save();
        m_savedPens.push_back(m_penWidth);
        return true;
    case META_RESTOREDC: {
        const long level = r.Signed(0);
        if (!m_space.Restore(level))
            return false;
        m_penWidth = m_savedPens[m_savedPens.size() + level];
        m_savedPens.resize(m_savedPens.size() + level);
        break;
    }
    case META_CREATEPENINDIRECT:
        Make((r[0] & PS_STYLE_MASK) == PS_NULL ? 0 : std::abs((int)r.Signed(1)));
        return true;
    case META_CREATEBRUSHINDIRECT:
    case META_CREATEFONTINDIRECT:
    case META_CREATEPALETTE:
    case META_CREATEREGION:
    case META_CREATEPATTERNBRUSH:
    case META_DIBCREATEPATTERNBRUSH:
        Make(NotPen);
        return true;
    case META_DELETEOBJECT:
        if (m_objects[r[0]] != Unused)
        {
            m_objects[r[0]] = Unused;
            m_freed.insert(r[0]);
        }
        return true;
    case META_SELECTOBJECT:
        if (m_objects[r[0]] >= 0)
            m_penWidth = m_objects[r[0]];
        return true;
    case META_POLYGON: {
        CFillTally polygon;
        AddPolygon(r, 1, r[0], polygon);
        return PenFits() && m_fills.Spend(polygon);
    }
    case META_POLYPOLYGON: {
        CFillTally polygons;
        DWORD at = 1 + r[0];
        for (DWORD i = 0; i < r[0]; ++i)
        {
            AddPolygon(r, at, r[1 + i], polygons);
            at += 2 * r[1 + i];
        }
        return PenFits() && m_fills.Spend(polygons);
    }
    case META_LINETO:
    case META_POLYLINE:
    case META_RECTANGLE:
    case META_ROUNDRECT:
    case META_ELLIPSE:
    case META_ARC:
    case META_PIE:
    case META_CHORD:
        return PenFits();
    default:
        return true;
    }
    m_spaceChanged = true;
    return true;
}

// Walks the records: each must be sound, and where a box is given each is
// followed as drawn in it.
BOOL AreRecordsSound(const BYTE* metafile, DWORD size, const RECT* box, UINT unitsPerInch)
{
    if (size < MetaHeaderBytes)
        return FALSE;
    METAHEADER header;
    std::memcpy(&header, metafile, MetaHeaderBytes);
    std::optional<CRecordGeometry> geometry;
    if (box != NULL)
        geometry.emplace(*box, unitsPerInch, header.mtNoObjects);
    DWORD offset = MetaHeaderBytes;
    while (offset < size)
    {
        if (size - offset < 6)
            return FALSE;
        const BYTE* record = metafile + offset;
        const DWORD words = ReadLittleEndianDword(record);
        if (words < 3 || words > (size - offset) / 2)
            return FALSE;
        const WORD function = ReadLittleEndianWord(record + 4);
        if (function == 0)
            return TRUE;
        const Record parameters = {record + 6, words - 3};
        if (!IsRecordSound(function, parameters, header.mtNoObjects) ||
            (geometry && !geometry->Follow(function, parameters)))
            return FALSE;
        offset += words * 2;
    }
    return TRUE;
}
}

BOOL IsMetafileSound(const BYTE* metafile, DWORD size, const RECT& box, UINT unitsPerInch)
{
    if (box.right <= box.left || box.bottom <= box.top)
        return FALSE;
    return AreRecordsSound(metafile, size, &box, unitsPerInch);
}

BOOL IsMetafileSound(const BYTE* metafile, DWORD size)
{
    return AreRecordsSound(metafile, size, NULL, 0);
}
