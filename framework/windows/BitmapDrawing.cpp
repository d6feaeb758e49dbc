#include "framework/windows/BitmapDrawing.h"

#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"

CSize GetBitmapSize(CBitmap* bitmap)
{
    BITMAP info;
    if (bitmap == NULL || bitmap->m_hObject == NULL || ::GetObjectA(bitmap->m_hObject, sizeof(info), &info) == 0)
        return CSize(0, 0);
    return CSize(info.bmWidth, info.bmHeight);
}

BOOL DrawBitmapRect(CDC* dc, CBitmap* bitmap, const RECT* dest, const RECT* source, DWORD rop)
{
    CRect from;
    if (source != NULL)
        from = *source;
    else
    {
        CSize size = GetBitmapSize(bitmap);
        from.SetRect(0, 0, size.cx, size.cy);
    }
    CRect to = dest != NULL ? CRect(*dest) : from;

    COwnedDC memory(::CreateCompatibleDC(dc->m_hDC));
    if (!memory)
        return 0;
    CSelectedObject selectedBitmap(memory, bitmap != NULL ? bitmap->m_hObject : NULL);
    if (selectedBitmap.Previous() == NULL)
        return 0;
    BOOL result;
    if (from.Width() == to.Width() && from.Height() == to.Height())
        result = ::BitBlt(dc->m_hDC, to.left, to.top, to.Width(), to.Height(), memory, from.left, from.top, rop);
    else
    {
        ::SetStretchBltMode(dc->m_hDC, COLORONCOLOR);
        result = ::StretchBlt(dc->m_hDC, to.left, to.top, to.Width(), to.Height(), memory, from.left, from.top,
                              from.Width(), from.Height(), rop);
    }
    return result;
}

int GetDibColourCount(const BITMAPINFOHEADER& header)
{
    if (header.biClrUsed != 0)
        return (int)header.biClrUsed;
    if (header.biBitCount < 16)
        return 1 << header.biBitCount;
    return 0;
}
