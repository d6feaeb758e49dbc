#include "framework/app/SharedImageLists.h"

#include "foundation/windows/OwnedHandle.h"

namespace
{
    const COLORREF maskColour = RGB(255, 0, 255);

    // A 24-bit copy of the strip with every picture colour made a light grey
    // of its brightness; the mask colour is kept.
    COwnedGdiObject<HBITMAP> MakeGreyed(HBITMAP strip, int width, int height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = NULL;
        HDC screen = ::GetDC(NULL);
        COwnedGdiObject<HBITMAP> greyed(::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0));
        if (greyed)
            ::GetDIBits(screen, strip, 0, height, bits, &info, DIB_RGB_COLORS);
        ::ReleaseDC(NULL, screen);
        if (!greyed)
            return greyed;
        BYTE* pixel = (BYTE*)bits;
        for (int i = 0; i < width * height; i++, pixel += 4)
        {
            // stored blue, green, red
            if (RGB(pixel[2], pixel[1], pixel[0]) == maskColour)
                continue;
            int brightness = (pixel[2] * 30 + pixel[1] * 59 + pixel[0] * 11) / 100;
            BYTE grey = (BYTE)(128 + brightness / 2);
            pixel[0] = pixel[1] = pixel[2] = grey;
        }
        return greyed;
    }
}

CSharedImageLists& GetSharedImageLists()
{
    static CSharedImageLists lists;
    return lists;
}

BOOL CSharedImageLists::Build(UINT bitmapId)
{
    Release();
    COwnedGdiObject<HBITMAP> strip((HBITMAP)::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(bitmapId),
                                                         IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!strip)
        return FALSE;
    BITMAP size = {};
    ::GetObjectA(strip, sizeof(size), &size);
    COwnedGdiObject<HBITMAP> greyed = MakeGreyed(strip, size.bmWidth, size.bmHeight);
    int count = size.bmWidth / m_imageWidth;
    BOOL built = m_normal.Create(m_imageWidth, m_imageHeight, ILC_COLOR24 | ILC_MASK, count, 1)
                 && m_greyed.Create(m_imageWidth, m_imageHeight, ILC_COLOR24 | ILC_MASK, count, 1)
                 && ImageList_AddMasked(m_normal, strip, maskColour) >= 0 && greyed
                 && ImageList_AddMasked(m_greyed, greyed, maskColour) >= 0;
    if (!built)
        Release();
    return built;
}

void CSharedImageLists::Release()
{
    m_normal.DeleteImageList();
    m_greyed.DeleteImageList();
}
