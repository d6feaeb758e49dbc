#include "output/pictures/DrawingState.h"

const CDeviceMapping& CDrawingState::Mapping()
{
    if (!m_mapping)
        m_mapping.emplace(m_dc);
    return *m_mapping;
}

SelectedPen CDrawingState::Pen()
{
    const HGDIOBJ pen = ::GetCurrentObject(m_dc, OBJ_PEN);
    if (pen != m_penHandle)
    {
        m_pen = ReadPen(pen);
        m_penHandle = pen;
    }
    return m_pen.On(Mapping());
}

double CDrawingState::FontArea()
{
    const HGDIOBJ font = ::GetCurrentObject(m_dc, OBJ_FONT);
    if (font != m_fontHandle)
    {
        m_font = ReadFont(font);
        m_fontHandle = font;
    }
    return m_font.Area(Mapping());
}

void CDrawingState::Remap()
{
    m_mapping.reset();
}

void CDrawingState::Reselect()
{
    m_penHandle = m_fontHandle = NULL;
}
