#include "genetics/ConfigurationFile.h"

#include "foundation/files/ByteBuffer.h"
#include "foundation/files/FileErrors.h"
#include "foundation/files/LittleEndian.h"
#include "foundation/files/SealedFile.h"
#include "foundation/text/TextLines.h"
#include "genetics/GeneticsConfigLoad.h"

BOOL HasSealedHeader(const CByteBuffer& file)
{
    const DWORD length = file.GetLength();
    if (length < (DWORD)SealedHeaderSize || (length - SealedHeaderSize) % SealedBlockSize != 0)
        return FALSE;
    const BYTE* bytes = file.GetData();
    const DWORD packedLength = ReadLittleEndianDword(bytes);
    const DWORD plainLength = ReadLittleEndianDword(bytes + 4);
    return packedLength <= length - SealedHeaderSize && plainLength <= SealedMaxPlainLength &&
           (unsigned long long)plainLength <= (unsigned long long)packedLength * SealedMaxExpansion + 64;
}

CString ReadConfigurationFile(const char* path, CStringArray& lines)
{
    lines.RemoveAll();
    CByteBuffer buffer;
    if (!buffer.LoadFile(path))
        return FormatFileError(FILE_ERROR_OPEN_READ, path, GENETICS_CONFIG_FILE_KIND);
    if (HasSealedHeader(buffer) && !buffer.LoadSealedFile(path, SealKeyGeneticsConfiguration))
        return FormatFileError(FILE_ERROR_READ, path, GENETICS_CONFIG_FILE_KIND);
    buffer.ConvertCrLfToLf();
    SplitBufferLines(lines, buffer, TRUE);
    return CString();
}
