#include "framework/views/GenericTextView.h"

IMPLEMENT_DYNCREATE(CGenericTextView, CView)

void CGenericTextView::OnDraw(CDC* pDC)
{
    pDC->TextOut(0, 0, m_text);
}

BOOL CGenericTextView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}
