#include "framework/views/DummyView.h"
#include "foundation/windows/SavedDCState.h"
#include "foundation/windows/SelectedObject.h"

IMPLEMENT_DYNCREATE(CDummyView, CView)

void CDummyView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    pDC->SetMapMode(MM_LOMETRIC);
    CView::OnPrepareDC(pDC, pInfo);
}

CString CDummyView::FormatSizeLine(const CRect& rect, int lineTop)
{
    CString line;
    line.Format("Rect: %4.4d,%4.4d", rect.Width(), lineTop - rect.bottom);
    return line;
}

void CDummyView::OnDraw(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->DPtoLP(&rect);
    pDC->Ellipse(&rect);
    CFont font;
    LOGFONTA logFont;
    memset(&logFont, 0, sizeof(logFont));
    logFont.lfHeight = 500;
    logFont.lfWeight = FW_NORMAL;
    logFont.lfPitchAndFamily = FF_SWISS;
    lstrcpyA(logFont.lfFaceName, "Arial");
    font.CreateFontIndirect(&logFont);
    CSavedDCState saved(pDC);
    CSelectedObject selectedFont(pDC, &font);
    pDC->SetBkMode(TRANSPARENT);
    pDC->TextOut(rect.left, rect.top, m_text);
    int lineTop = rect.top - 500;
    pDC->TextOut(rect.left, lineTop, FormatSizeLine(rect, lineTop));
}
