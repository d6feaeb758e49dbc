#include "output/pictures/DrawingState.h"

const CDeviceMapping& CDrawingState::Mapping()
{
    if (!m_mapping)
        m_mapping.emplace(m_dc);
    return *m_mapping;
}

SelectedPen CDrawingState::Pen()
{
    if (!m_pen)
        m_pen = ReadPen(::GetCurrentObject(m_dc, OBJ_PEN));
    return m_pen->On(Mapping());
}

double CDrawingState::FontArea()
{
    if (!m_font)
        m_font = ReadFont(::GetCurrentObject(m_dc, OBJ_FONT));
    return m_font->Area(Mapping());
}

void CDrawingState::Remap()
{
    m_mapping.reset();
}

void CDrawingState::Reselect()
{
    m_pen.reset();
    m_font.reset();
}
