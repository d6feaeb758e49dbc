#include "output/pictures/EnhMetafileCheck.h"

#include "output/pictures/DroppedObjects.h"
#include "output/pictures/EnhRecordKinds.h"

#include "foundation/files/LittleEndian.h"

#include <cmath>
#include <cstring>

namespace
{
// The header's sizes within what a picture can mean: a frame within 100 m
// of the origin and at least half a pixel of the reference device across
// and down (whichever way round), a reference device of at most 100,000
// pixels and 100 m a side with between 0.1 and 1,000 pixels to the
// millimetre, and a handle table no larger than a process may hold. The
// player stretches the frame onto the picture's place: a frame of no size
// makes that stretch endless. Recorders write the bounds of what they draw,
// rounded down to hundredths of a millimetre: two pixels make a frame of
// 0.98 pixels, a line one pixel wide one of none.
bool IsHeaderSound(const ENHMETAHEADER& header)
{
    const long long frameLimit = 10000000, deviceLimit = 100000, millimetreLimit = 100000;
    const RECTL& frame = header.rclFrame;
    const long long corners[] = {frame.left, frame.top, frame.right, frame.bottom};
    for (long long corner : corners)
        if (corner < -frameLimit || corner > frameLimit)
            return false;
    const long long device[] = {header.szlDevice.cx, header.szlDevice.cy};
    const long long millimetres[] = {header.szlMillimeters.cx, header.szlMillimeters.cy};
    for (int i = 0; i < 2; ++i)
        if (device[i] < 1 || device[i] > deviceLimit || millimetres[i] < 1 || millimetres[i] > millimetreLimit ||
            device[i] * 10 < millimetres[i] || device[i] > millimetres[i] * 1000)
            return false;
    // The reference device's pixels to a hundredth of a millimetre.
    const double across = header.szlDevice.cx / (100.0 * header.szlMillimeters.cx);
    const double down = header.szlDevice.cy / (100.0 * header.szlMillimeters.cy);
    const double halfPixel = 0.5;
    return std::fabs((double)frame.right - frame.left) * across >= halfPixel &&
           std::fabs((double)frame.bottom - frame.top) * down >= halfPixel && header.nHandles >= 1 &&
           header.nHandles <= CDroppedObjects::Limit;
}
} // namespace

DWORD EnhMetafilePlayedLength(const BYTE* data, DWORD length)
{
    if (length < 88)
        return 0;
    ENHMETAHEADER header = {};
    std::memcpy(&header, data, 88);
    if (header.iType != EMR_HEADER || header.nSize < 88 || !IsHeaderSound(header))
        return 0;
    EnhCheckState state = {data, header, false};
    DWORD offset = 0;
    while (offset < length)
    {
        if (length - offset < 8)
            return 0;
        const EnhCheckedRecord record = {{data + offset}, ReadLittleEndianDword(data + offset + 4)};
        const DWORD type = ReadLittleEndianDword(record.data);
        if (record.size < 8 || record.size % 4 != 0 || record.size > length - offset)
            return 0;
        const EnhRecordKind& kind = EnhRecordKindOf(type);
        if (record.size < kind.minimumSize || (kind.check != nullptr && !kind.check(record, state)))
            return 0;
        offset += record.size;
        // What follows the end record is never played.
        if (state.ended)
            return offset;
    }
    return 0;
}

BOOL IsEnhMetafileSound(const BYTE* data, DWORD length)
{
    return EnhMetafilePlayedLength(data, length) != 0;
}
