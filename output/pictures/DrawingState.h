#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/DeviceMapping.h"
#include "output/pictures/DrawingWork.h"

#include <optional>

// What a DC draws the next record with, read from the DC: its mapping, the
// selected pen and the selected font's size. A metafile's records are
// played one after another and most do not change these, so each is read
// again only when it may have changed: the mapping after a record that
// maps (Remap), the pen and the font when another is selected or one is
// deleted (Reselect).
class CDrawingState
{
public:
    explicit CDrawingState(HDC dc) : m_dc(dc) {}

    const CDeviceMapping& Mapping();
    SelectedPen Pen();
    double FontArea();

    void Remap();
    void Reselect();

private:
    HDC m_dc;
    std::optional<CDeviceMapping> m_mapping;
    // The pen and font last read, as the DC holds them (their logical
    // sizes), and the handles they were read from.
    HGDIOBJ m_penHandle = NULL;
    PenInUnits m_pen = {};
    HGDIOBJ m_fontHandle = NULL;
    FontInUnits m_font = {};
};
