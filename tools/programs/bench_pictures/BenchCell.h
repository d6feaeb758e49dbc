#pragma once
// A square memory bitmap like the screen's, selected into a memory device
// context, that the picture benchmarks draw into.
#include "afx/app/AfxWin.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/ScreenMemoryDC.h"
#include "foundation/windows/SelectedObject.h"

class CBenchCell
{
public:
    explicit CBenchCell(int size) : m_canvas(ScreenBitmap(size)), m_selected(m_dc, m_canvas) { m_cell.Attach(m_dc); }
    ~CBenchCell() { m_cell.Detach(); }
    CBenchCell(const CBenchCell&) = delete;
    CBenchCell& operator=(const CBenchCell&) = delete;

    CDC* DC() { return &m_cell; }

private:
    static HBITMAP ScreenBitmap(int size)
    {
        HDC screen = ::GetDC(NULL);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, size, size);
        ::ReleaseDC(NULL, screen);
        return bitmap;
    }

    CScreenMemoryDC m_dc;
    COwnedGdiObject<HBITMAP> m_canvas;
    CSelectedObject m_selected;
    CDC m_cell;
};
