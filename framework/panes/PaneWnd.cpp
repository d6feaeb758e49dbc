#include "framework/panes/PaneWnd.h"

#include "afx/windows/SplitterWnd.h"
#include "framework/dialogs/SelectRegionDlg.h"
#include "framework/windows/ReleaseToWindow.h"

IMPLEMENT_DYNAMIC(CPaneWnd, CPaneBar)

namespace
{
// A scrolling page that deletes itself after its window.
class CPanePage : public CScrollingWnd
{
protected:
    void PostNcDestroy() override { delete this; }
};
}

CPaneWnd::CPaneWnd()
{
}

void CPaneWnd::OnAfterCreate(LPVOID)
{
    auto page = std::make_unique<CPanePage>();
    page->Create(WS_CHILD | WS_TABSTOP, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST);
    m_page = ReleaseToWindow(std::move(page));
    if (m_page == NULL)
        return;
    SelectPage(AddPage(m_page, m_pageTitle));
}

BOOL CPaneWnd::IsRegionInUse()
{
    return m_region;
}

void CPaneWnd::ApplyRegion()
{
    if (m_page != NULL && m_page->GetSafeHwnd() != NULL)
        m_page->Invalidate();
}

BOOL CPaneWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam))
    {
    case ID_PANE_PAGE_COMMAND:
    {
        CWnd* window = GetCurrentPageWindow();
        if (window != NULL && window->GetSafeHwnd() != NULL)
            window->SendMessage(WM_COMMAND, wParam, lParam);
        return TRUE;
    }
    case ID_PANE_SELECT_REGION:
    {
        CSelectRegionDlg dialog(this);
        dialog.m_choice = IsRegionInUse() ? 0 : 1;
        if (dialog.DoModal() != IDOK)
            return TRUE;
        m_region = dialog.m_choice == 0;
        ApplyRegion();
        return TRUE;
    }
    default:
        return CPaneBar::OnCommand(wParam, lParam);
    }
}
