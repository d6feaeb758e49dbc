#pragma once

#include "afx/app/AfxWin.h"

// Stretches bitmaps plainly (COLORONCOLOR) in the DC while it lives, where
// 'plainly', and puts the DC's own stretch mode back after.
class CPlainStretch
{
public:
    CPlainStretch(HDC dc, bool plainly) : m_dc(dc), m_outer(plainly ? ::SetStretchBltMode(dc, COLORONCOLOR) : 0) {}
    ~CPlainStretch()
    {
        if (m_outer != 0)
            ::SetStretchBltMode(m_dc, m_outer);
    }
    CPlainStretch(const CPlainStretch&) = delete;
    CPlainStretch& operator=(const CPlainStretch&) = delete;

private:
    HDC m_dc;
    int m_outer;
};
