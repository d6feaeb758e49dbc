#include "framework/app/SharedFont.h"

#include "foundation/windows/SelectedObject.h"

BOOL CSharedFont::MakeFromStock(int stockIndex, CDC& dc)
{
    Release();
    m_stock = CreateStockObject(stockIndex) != FALSE;
    if (m_stock)
        ::GetObjectA(m_hObject, sizeof(m_logFont), &m_logFont);
    Measure(dc);
    return m_stock;
}

BOOL CSharedFont::Make(const LOGFONTA& logFont, CDC& dc)
{
    Release();
    m_logFont = logFont;
    const BOOL made = CreateFontIndirect(&m_logFont);
    Measure(dc);
    return made;
}

void CSharedFont::Measure(CDC& dc)
{
    m_metrics = TEXTMETRICA();
    if (m_hObject == NULL)
        return;
    CSelectedObject selected(&dc, this);
    ::GetTextMetricsA(dc.GetSafeHdc(), &m_metrics);
}

BOOL CSharedFont::Release()
{
    if (m_hObject == NULL)
        return FALSE;
    if (!m_stock)
        return DeleteObject();
    Detach();
    m_stock = false;
    return TRUE;
}
