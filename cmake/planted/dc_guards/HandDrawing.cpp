// Drawing written by hand, which the dc_guards check must catch: eight calls.
#include <windows.h>

void DrawByHand(HDC dc, HPALETTE palette)
{
    HPEN pen = ::CreatePen(PS_SOLID, 1, 0);
    HGDIOBJ old = SelectObject(dc, pen);
    int saved = ::SaveDC(dc);
    HPALETTE oldPalette = ::SelectPalette(dc, palette, TRUE);
    HDC memory = ::CreateCompatibleDC(dc);
    ::DeleteDC(memory);
    ::DeleteObject(pen);
    ::DestroyIcon(::LoadIconA(NULL, IDI_APPLICATION));
}

// The frees are the platform's without :: too.
void FreeByHand(HBRUSH brush, HICON icon)
{
    DeleteObject(brush);
    DestroyIcon(icon);
}

// Neither comments nor texts nor members of the same name are calls:
// ::DeleteObject(pen), "SelectObject(dc, pen)".
struct CPrinterData
{
    void DeleteDC();
    void DeleteObject();
};
void CPrinterData::DeleteDC()
{
    DeleteObject();
}
