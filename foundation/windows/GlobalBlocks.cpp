#include "foundation/windows/GlobalBlocks.h"

#include "foundation/values/ValueConversions.h"

#include <string.h>

namespace
{
    int HexDigitValue(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        return -1;
    }

    char HexDigit(int nibble)
    {
        return (char)(nibble < 10 ? '0' + nibble : 'a' + nibble - 10);
    }
}

int HexToByte(char high, char low)
{
    int h = HexDigitValue(high);
    int l = HexDigitValue(low);
    if (h < 0 || l < 0)
        return -1;
    return (h << 4) | l;
}

void ByteToHex(BYTE value, char& high, char& low)
{
    high = HexDigit(value >> 4);
    low = HexDigit(value & 0x0F);
}

CString GlobalBlockToHex(HGLOBAL block, char separator)
{
    if (block == NULL)
        return CString();
    SIZE_T size = ::GlobalSize(block);
    if (size == 0)
        return CString();
    const BYTE* bytes = (const BYTE*)::GlobalLock(block);
    if (bytes == NULL)
        return CString();

    CString sizeText = UIntToString((unsigned int)size, -1);
    CString text;
    int length = sizeText.GetLength() + 1 + (int)size * 2;
    char* out = text.GetBuffer(length);
    memcpy(out, (LPCTSTR)sizeText, sizeText.GetLength());
    out += sizeText.GetLength();
    *out++ = separator;
    for (SIZE_T i = 0; i < size; ++i)
    {
        ByteToHex(bytes[i], out[0], out[1]);
        out += 2;
    }
    text.ReleaseBuffer(length);
    ::GlobalUnlock(block);
    return text;
}

HGLOBAL HexToGlobalBlock(LPCTSTR text, UINT flags, char separator)
{
    if (text == NULL)
        return NULL;
    const char* mark = strchr(text, separator);
    if (mark == NULL)
        return NULL;
    unsigned int size = 0;
    if (!ParseUInt(CString(text, (int)(mark - text)), &size))
        return NULL;
    const char* digits = mark + 1;
    if (strlen(digits) != (size_t)size * 2)
        return NULL;

    HGLOBAL block = ::GlobalAlloc(flags, size);
    if (block == NULL)
        return NULL;
    BYTE* bytes = (BYTE*)::GlobalLock(block);
    if (bytes == NULL)
    {
        ::GlobalFree(block);
        return NULL;
    }
    // A damaged text (a character that is no hex digit) is refused whole
    // rather than read as made-up bytes.
    for (unsigned int i = 0; i < size; ++i)
    {
        int value = HexToByte(digits[2 * i], digits[2 * i + 1]);
        if (value < 0)
        {
            ::GlobalUnlock(block);
            ::GlobalFree(block);
            return NULL;
        }
        bytes[i] = (BYTE)value;
    }
    ::GlobalUnlock(block);
    return block;
}

HGLOBAL NewGlobalBlock(const void* bytes, DWORD count)
{
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, count);
    if (block == NULL)
        return NULL;
    void* target = ::GlobalLock(block);
    if (target == NULL)
    {
        ::GlobalFree(block);
        return NULL;
    }
    memcpy(target, bytes, count);
    ::GlobalUnlock(block);
    return block;
}

HGLOBAL CopyGlobalBlock(HGLOBAL block)
{
    if (block == NULL)
        return NULL;
    SIZE_T size = ::GlobalSize(block);
    const void* source = ::GlobalLock(block);
    if (source == NULL)
        return NULL;
    HGLOBAL copy = NewGlobalBlock(source, (DWORD)size);
    ::GlobalUnlock(block);
    return copy;
}

BOOL CompareGlobalBlocks(HGLOBAL first, HGLOBAL second)
{
    if (first == NULL && second == NULL)
        return TRUE;
    if (first == NULL || second == NULL)
        return FALSE;
    SIZE_T size = ::GlobalSize(first);
    if (size != ::GlobalSize(second))
        return FALSE;
    const void* a = ::GlobalLock(first);
    const void* b = ::GlobalLock(second);
    BOOL equal = a != NULL && b != NULL && memcmp(a, b, size) == 0;
    if (a != NULL)
        ::GlobalUnlock(first);
    if (b != NULL)
        ::GlobalUnlock(second);
    return equal;
}

void FreeGlobalBlock(HGLOBAL* block)
{
    if (block != NULL && *block != NULL)
    {
        ::GlobalFree(*block);
        *block = NULL;
    }
}
