#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/DrawingWork.h"

#include <optional>

// What a DC draws the next record with, read from the DC: its mapping, the
// selected pen and the selected font's size. A metafile's records are
// played one after another and most do not change these, so each is read
// again only when it may have changed: the mapping after a record that
// maps (Remap), the pen and the font after a record that selects objects
// (Reselect).
class CDrawingState
{
public:
    explicit CDrawingState(HDC dc) : m_dc(dc) {}

    const CDeviceMapping& Mapping()
    {
        if (!m_mapping)
            m_mapping.emplace(m_dc);
        return *m_mapping;
    }
    SelectedPen Pen()
    {
        if (!m_pen)
            m_pen = ReadPen(::GetCurrentObject(m_dc, OBJ_PEN));
        return m_pen->On(Mapping());
    }
    double FontArea()
    {
        if (!m_font)
            m_font = ReadFont(::GetCurrentObject(m_dc, OBJ_FONT));
        return m_font->Area(Mapping());
    }

    void Remap() { m_mapping.reset(); }
    void Reselect()
    {
        m_pen.reset();
        m_font.reset();
    }

private:
    HDC m_dc;
    std::optional<CDeviceMapping> m_mapping;
    // The pen and font last read, as they were made (their logical sizes).
    std::optional<PenInUnits> m_pen;
    std::optional<FontInUnits> m_font;
};
