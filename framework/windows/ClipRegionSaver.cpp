#include "framework/windows/ClipRegionSaver.h"

int CClipRegionSaver::Clip(CDC* dc, const RECT& rect)
{
    Restore();
    if (dc == NULL || dc->m_hDC == NULL)
        return 0;
    m_savedRegion.CreateRectRgn(1, 1, 2, 2);
    m_bHadClipRegion = ::GetClipRgn(dc->m_hDC, (HRGN)m_savedRegion.m_hObject) == 1;
    if (!m_newRegion.CreateRectRgnIndirect(&rect))
    {
        m_savedRegion.DeleteObject();
        return 0;
    }
    ::SelectClipRgn(dc->m_hDC, (HRGN)m_newRegion.m_hObject);
    m_pDC = dc;
    return 1;
}

void CClipRegionSaver::Restore()
{
    if (m_pDC == NULL)
        return;
    ::SelectClipRgn(m_pDC->m_hDC, m_bHadClipRegion ? (HRGN)m_savedRegion.m_hObject : NULL);
    m_savedRegion.DeleteObject();
    m_newRegion.DeleteObject();
    m_pDC = NULL;
}
