#include "framework/views/BlankView.h"
#include "foundation/windows/SystemColours.h"

IMPLEMENT_DYNCREATE(CBlankView, CView)

BEGIN_MESSAGE_MAP(CBlankView, CView)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL CBlankView::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, GetSystemColour(COLOR_BTNFACE));
    return TRUE;
}
