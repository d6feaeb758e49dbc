#include "genetics/ConfigurationFile.h"

#include "foundation/files/ByteBuffer.h"
#include "foundation/files/FileErrors.h"
#include "foundation/files/SealedFile.h"
#include "foundation/text/TextLines.h"
#include "genetics/GeneticsConfigLoad.h"

namespace
{
DWORD ReadWord(const BYTE* p)
{
    return (DWORD)p[0] | ((DWORD)p[1] << 8) | ((DWORD)p[2] << 16) | ((DWORD)p[3] << 24);
}
}  // namespace

BOOL HasSealedHeader(const CByteBuffer& file)
{
    const DWORD length = file.GetLength();
    if (length < (DWORD)SealedHeaderSize || (length - SealedHeaderSize) % SealedBlockSize != 0)
        return FALSE;
    const BYTE* bytes = file.GetData();
    const DWORD packedLength = ReadWord(bytes);
    const DWORD plainLength = ReadWord(bytes + 4);
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
