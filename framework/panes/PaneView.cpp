#include "framework/panes/PaneView.h"

#include "afx/windows/MessageMap.h"

IMPLEMENT_DYNAMIC(CPaneView, CView)

BEGIN_MESSAGE_MAP(CPaneView, CView)
ON_WM_SIZE()
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CPaneView::CPaneView()
{
}

BOOL CPaneView::ComputeLayoutRect(CRect& rect)
{
    rect.SetRect(0, 0, m_pendingSize.cx, m_pendingSize.cy);
    return TRUE;
}

BOOL CPaneView::ApplyLayout(const CRect&)
{
    return TRUE;
}

BOOL CPaneView::ApplyPendingSize()
{
    if (!m_sizePending)
        return TRUE;
    CRect rect;
    if (ComputeLayoutRect(rect) && ApplyLayout(rect))
        m_sizePending = FALSE;
    return !m_sizePending;
}

void CPaneView::OnSize(UINT, int cx, int cy)
{
    Default();
    m_pendingSize = CSize(cx, cy);
    m_sizePending = TRUE;
    ApplyPendingSize();
}

LRESULT CPaneView::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    ApplyPendingSize();
    UpdateDialogControls(this, FALSE);
    return 0;
}
