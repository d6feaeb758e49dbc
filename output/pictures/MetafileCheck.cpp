#include "output/pictures/MetafileCheck.h"

#include "output/pictures/WmfRecordKinds.h"

#include "foundation/files/LittleEndian.h"

#include <cstring>

namespace
{
const DWORD MetaHeaderBytes = 18;
} // namespace

BOOL IsMetafileSound(const BYTE* metafile, DWORD size)
{
    if (size < MetaHeaderBytes)
        return FALSE;
    METAHEADER header;
    std::memcpy(&header, metafile, MetaHeaderBytes);
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
        const WmfCheckedRecord parameters = {record + 6, words - 3};
        const WmfCheckedRecord rest = {record + 6, (size - offset - 6) / 2};
        const WmfRecordKind& kind = WmfRecordKindOf(function);
        if (parameters.count < kind.fixedParameters ||
            (kind.check != nullptr && !kind.check(parameters, rest, header.mtNoObjects)))
            return FALSE;
        offset += words * 2;
    }
    return TRUE;
}
