#pragma once

#include "afx/app/AfxWin.h"

// Clips a device context to a rectangle and later puts back the clip region
// it had before (or none when it had none).
class CClipRegionSaver
{
public:
    CClipRegionSaver() : m_pDC(NULL), m_bHadClipRegion(FALSE) {}
    ~CClipRegionSaver() { Restore(); }

    // 1 when the context is now clipped to the rectangle; 0 without a context
    // or when the region cannot be made.
    int Clip(CDC* dc, const RECT& rect);
    void Restore();

private:
    CClipRegionSaver(const CClipRegionSaver&) = delete;
    CClipRegionSaver& operator=(const CClipRegionSaver&) = delete;

    CRgn m_savedRegion;
    CRgn m_newRegion;
    CDC* m_pDC;
    BOOL m_bHadClipRegion;
};
