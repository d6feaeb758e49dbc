#pragma once
// Saves a device context's state (selected objects, colours, modes, origins,
// clipping) for the life of the guard and restores it on every way out.
//     CSavedDCState saved(dc);
#include "afx/app/AfxWin.h"

class CSavedDCState
{
public:
    explicit CSavedDCState(HDC dc) : m_dc(dc), m_saved(dc != NULL ? ::SaveDC(dc) : 0) {}
    explicit CSavedDCState(CDC* dc) : CSavedDCState(dc->GetSafeHdc()) {}
    ~CSavedDCState()
    {
        if (m_saved != 0)
            ::RestoreDC(m_dc, m_saved);
    }

    // FALSE when the state could not be saved (and so is not restored).
    BOOL IsSaved() const { return m_saved != 0; }

private:
    CSavedDCState(const CSavedDCState&) = delete;
    CSavedDCState& operator=(const CSavedDCState&) = delete;

    HDC m_dc;
    int m_saved;
};
