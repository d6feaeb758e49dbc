#include "output/pictures/MetafileRecolour.h"

#include "foundation/files/LittleEndian.h"
#include "output/pictures/PictureLoadOptions.h"

namespace
{
const DWORD MetaHeaderBytes = 18;
const DWORD RecordHeaderBytes = 6;

BOOL CarriesBitmap(WORD function)
{
    return function == META_DIBCREATEPATTERNBRUSH || function == META_DIBBITBLT || function == META_DIBSTRETCHBLT ||
           function == META_SETDIBTODEV || function == META_STRETCHDIB;
}

// Byte offset of the single colour a record carries, or 0 for none.
DWORD ColourOffset(WORD function)
{
    switch (function)
    {
    case META_SETBKCOLOR:
    case META_SETTEXTCOLOR:
    case META_FLOODFILL:
    case META_SETPIXEL:
        return 6;
    case META_CREATEBRUSHINDIRECT:
    case META_EXTFLOODFILL:
        return 8;
    case META_CREATEPENINDIRECT:
        return 12;
    default:
        return 0;
    }
}

// Calls visit(colour bytes) for every colour of every record, in order.
// Answers FALSE when a record carries a bitmap (the walk then ends).
template <typename Visit>
BOOL ForEachColour(BYTE* metafile, DWORD size, Visit visit)
{
    DWORD offset = MetaHeaderBytes;
    while (offset + RecordHeaderBytes <= size)
    {
        BYTE* record = metafile + offset;
        const DWORD words = ReadLittleEndianDword(record);
        if (words < 3 || words > (size - offset) / 2)
            break;
        const DWORD bytes = words * 2;
        const WORD function = ReadLittleEndianWord(record + 4);
        if (function == 0)
            break;
        if (CarriesBitmap(function))
            return FALSE;
        if (function == META_CREATEPALETTE)
        {
            // version, entry count, then four bytes per entry
            if (bytes >= RecordHeaderBytes + 4)
            {
                DWORD count = ReadLittleEndianWord(record + 8);
                DWORD room = (bytes - RecordHeaderBytes - 4) / 4;
                if (count > room)
                    count = room;
                for (DWORD i = 0; i < count; ++i)
                    visit(record + RecordHeaderBytes + 4 + 4 * i);
            }
        }
        else
        {
            DWORD at = ColourOffset(function);
            if (at != 0 && at + 4 <= bytes)
                visit(record + at);
        }
        offset += bytes;
    }
    return TRUE;
}

bool IsBlack(const BYTE* colour)
{
    return colour[0] == 0 && colour[1] == 0 && colour[2] == 0;
}

bool IsWhite(const BYTE* colour)
{
    return colour[0] == 255 && colour[1] == 255 && colour[2] == 255;
}
}

BOOL RecolourMetafile(BYTE* metafile, DWORD size, COLORREF ink, double lightening)
{
    bool anyBlack = false;
    bool anyOther = false;
    if (!ForEachColour(metafile, size, [&](BYTE* colour) {
            anyBlack = anyBlack || IsBlack(colour);
            anyOther = anyOther || (!IsBlack(colour) && !IsWhite(colour));
        }))
        return FALSE;
    const BOOL twoTone = anyBlack && !anyOther;
    const BOOL useInk = twoTone && IsInkColour(ink);
    const BOOL lighten = LighteningChangesColours(lightening);
    if (!useInk && !lighten)
        return twoTone;
    ForEachColour(metafile, size, [&](BYTE* colour) {
        if (useInk && IsBlack(colour))
        {
            colour[0] = GetRValue(ink);
            colour[1] = GetGValue(ink);
            colour[2] = GetBValue(ink);
        }
        if (lighten)
            for (int i = 0; i < 3; ++i)
                colour[i] = (BYTE)LightenChannel(colour[i], 255, lightening);
    });
    return twoTone;
}
