#include "foundation/files/BitmapResource.h"

#include "afx/app/AfxWin.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"
#include "foundation/windows/SystemColours.h"

#include <string.h>

namespace
{
    const int mappedColours = 16;

    struct ColourMappedInfo
    {
        BITMAPINFOHEADER header;
        RGBQUAD colours[mappedColours];
    };

    DWORD ToDibOrder(COLORREF colour)
    {
        return (DWORD)(GetBValue(colour) | (GetGValue(colour) << 8) | (GetRValue(colour) << 16));
    }

    // The bytes of the pixel bits that the header promises, or 0 when the
    // header is not one of a plain 1- or 4-bit bitmap.
    DWORD ExpectedBitsSize(const BITMAPINFOHEADER& header)
    {
        if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biPlanes != 1 || header.biCompression != BI_RGB)
            return 0;
        if (header.biBitCount != 1 && header.biBitCount != 4)
            return 0;
        if (header.biWidth <= 0 || header.biHeight == 0 || header.biWidth > 0x7FFF || header.biHeight > 0x7FFF ||
            header.biHeight < -0x7FFF)
            return 0;
        DWORD stride = (((DWORD)header.biWidth * header.biBitCount + 31) / 32) * 4;
        DWORD rows = (DWORD)(header.biHeight < 0 ? -header.biHeight : header.biHeight);
        return stride * rows;
    }
}

HBITMAP CreateColourMappedBitmap(const void* dib, DWORD size, const SystemColourMapEntry* map, int mapCount)
{
    if (dib == NULL || size < sizeof(BITMAPINFOHEADER))
        return NULL;
    const BITMAPINFOHEADER* header = (const BITMAPINFOHEADER*)dib;
    DWORD bitsSize = ExpectedBitsSize(*header);
    if (bitsSize == 0)
        return NULL;
    DWORD tableSize = (DWORD)sizeof(RGBQUAD) << header->biBitCount;
    DWORD bitsOffset = header->biSize + tableSize;
    if (size < bitsOffset || size - bitsOffset < bitsSize)
        return NULL;

    ColourMappedInfo info;
    memset(&info, 0, sizeof(info));
    info.header = *header;
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    memcpy(info.colours, (const BYTE*)dib + header->biSize, tableSize);

    for (int i = 0; i < mappedColours; ++i)
    {
        DWORD* entry = (DWORD*)&info.colours[i];
        for (int k = 0; k < mapCount; ++k)
        {
            if (map[k].colour == *entry)
            {
                *entry = ToDibOrder(GetSystemColour((int)map[k].systemColourIndex));
                break;
            }
        }
    }

    int width = header->biWidth;
    int height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
    HDC screen = ::GetDC(NULL);
    if (screen == NULL)
        return NULL;
    COwnedGdiObject<HBITMAP> bitmap(::CreateCompatibleBitmap(screen, width, height));
    COwnedDC memory(::CreateCompatibleDC(screen));
    ::ReleaseDC(NULL, screen);
    if (!bitmap || !memory)
        return NULL;
    {
        CSelectedObject selected(memory, bitmap);
        ::StretchDIBits(memory, 0, 0, width, height, 0, 0, width, height, (const BYTE*)dib + bitsOffset,
                        (const BITMAPINFO*)&info, DIB_RGB_COLORS, SRCCOPY);
    }
    return bitmap.Release();
}

HBITMAP LoadBitmapResource(WORD resourceId, const SystemColourMapEntry* map, int mapCount)
{
    HINSTANCE module = AfxGetResourceHandle();
    if (module == NULL)
        return NULL;
    HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    if (resource == NULL)
        return NULL;
    HGLOBAL loaded = ::LoadResource(module, resource);
    const void* dib = loaded != NULL ? ::LockResource(loaded) : NULL;
    if (dib == NULL)
        return NULL;
    return CreateColourMappedBitmap(dib, ::SizeofResource(module, resource), map, mapCount);
}
