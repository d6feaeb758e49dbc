#include "output/pictures/MetafileCheck.h"

#include "output/pictures/WmfRecordKinds.h"

#include "foundation/files/LittleEndian.h"

#include <cstddef>

const DWORD MetaHeaderBytes = 18;

BOOL IsMetafileSound(const BYTE* metafile, DWORD size)
{
    if (size < MetaHeaderBytes)
        return FALSE;
    const WORD objects = ReadLittleEndianWord(metafile + offsetof(METAHEADER, mtNoObjects));
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
        const WmfCheckedRecord r = {{record + 6, words - 3}, {record + 6, (size - offset - 6) / 2}, objects};
        const WmfRecordKind& kind = WmfRecordKindOf(function);
        if (r.p.count < kind.fixedParameters || (kind.check != nullptr && !kind.check(r)))
            return FALSE;
        offset += words * 2;
    }
    return TRUE;
}
