#pragma once
// Selects a pen, brush, font or bitmap into a device context for the life of
// the guard, and selects back what was there before, on every way out.
//     CSelectedObject pen(dc, &redPen);
// A guard made with a null object selects nothing until Reselect.
#include "afx/app/AfxWin.h"

class CSelectedObject
{
public:
    CSelectedObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(Select(dc, object)) {}
    CSelectedObject(CDC* dc, CGdiObject* object)
        : CSelectedObject(dc->GetSafeHdc(), object != NULL ? object->GetSafeHandle() : NULL)
    {
    }
    ~CSelectedObject()
    {
        if (m_previous != NULL)
            ::SelectObject(m_dc, m_previous);
    }

    // What the device context held before; null when nothing was selected.
    HGDIOBJ Previous() const { return m_previous; }

    // Selects another object in place of this guard's: the guard still gives
    // back what the device context held before its first selection.
    void Reselect(HGDIOBJ object)
    {
        HGDIOBJ previous = Select(m_dc, object);
        if (m_previous == NULL)
            m_previous = previous;
    }

private:
    CSelectedObject(const CSelectedObject&) = delete;
    CSelectedObject& operator=(const CSelectedObject&) = delete;

    static HGDIOBJ Select(HDC dc, HGDIOBJ object)
    {
        if (dc == NULL || object == NULL)
            return NULL;
        HGDIOBJ previous = ::SelectObject(dc, object);
        return previous == HGDI_ERROR ? NULL : previous;
    }

    HDC m_dc;
    HGDIOBJ m_previous;
};
