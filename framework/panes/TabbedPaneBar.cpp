#include "framework/panes/TabbedPaneBar.h"

#include "framework/app/Preferences.h"

IMPLEMENT_DYNAMIC(CTabbedPaneBar, CPaneBar)

CTabbedPaneBar::CTabbedPaneBar()
{
}

BOOL CTabbedPaneBar::CreateParts()
{
    if (!m_tabs.Create(WS_CHILD | WS_VISIBLE | TCS_TOOLTIPS | TCS_RAGGEDRIGHT, CRect(0, 0, 0, 0), this,
                       IDC_PANE_BAR_TABS))
        return FALSE;
    m_tabs.SendMessage(WM_SETFONT, (WPARAM)GetBarFont(), FALSE);
    return TRUE;
}

void CTabbedPaneBar::GetPageArea(CRect& rect)
{
    GetClientRect(&rect);
    if (m_tabs.GetSafeHwnd() == NULL)
        return;
    CRect display = rect;
    m_tabs.SendMessage(TCM_ADJUSTRECT, FALSE, (LPARAM)&display);
    rect.top = display.top;
}

void CTabbedPaneBar::RecalcLayout()
{
    if (m_tabs.GetSafeHwnd() != NULL)
    {
        CRect client;
        GetClientRect(&client);
        m_tabs.MoveWindow(&client);
    }
    CPaneBar::RecalcLayout();
    CWnd* window = GetCurrentPageWindow();
    if (window != NULL && window->GetSafeHwnd() != NULL)
        window->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CTabbedPaneBar::OnPageAdded(int index)
{
    if (m_tabs.GetSafeHwnd() == NULL)
        return;
    TCITEMA item = {};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<LPSTR>((LPCTSTR)GetPage(index)->m_title);
    item.lParam = index;
    m_tabs.InsertItem(index, &item);
    RecalcLayout();
}

void CTabbedPaneBar::OnPageChanged(int index)
{
    if (m_tabs.GetSafeHwnd() != NULL)
    {
        m_busy = TRUE;
        m_tabs.SetCurSel(index);
        m_busy = FALSE;
    }
    CPaneBar::OnPageChanged(index);
}

BOOL CTabbedPaneBar::GetTipUnderCursor(CString& text)
{
    CPoint point;
    ::GetCursorPos(&point);
    CRect tabsRect;
    m_tabs.GetWindowRect(&tabsRect);
    if (!tabsRect.PtInRect(point))
        return FALSE;
    TCHITTESTINFO hit = {};
    hit.pt = point;
    m_tabs.ScreenToClient(&hit.pt);
    int tab = (int)m_tabs.SendMessage(TCM_HITTEST, 0, (LPARAM)&hit);
    TCITEMA item = {};
    item.mask = TCIF_PARAM;
    if (tab < 0 || !m_tabs.GetItem(tab, &item))
        return FALSE;
    CPaneBarPage* page = GetPage((int)item.lParam);
    if (page == NULL)
        return FALSE;
    text = page->m_tipText;
    return TRUE;
}

BOOL CTabbedPaneBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    NMHDR* header = (NMHDR*)lParam;
    if (header->code == TTN_NEEDTEXTA || header->code == TTN_NEEDTEXTW)
    {
        CString text;
        if (!ToolTipsEnabled || !GetTipUnderCursor(text))
            return FALSE;
        m_tipText = text;
        if (header->code == TTN_NEEDTEXTA)
        {
            ((NMTTDISPINFOA*)lParam)->lpszText = const_cast<LPSTR>((LPCTSTR)m_tipText);
        }
        else
        {
            int length = ::MultiByteToWideChar(CP_ACP, 0, m_tipText, -1, NULL, 0);
            m_wideTipText.assign(length > 0 ? length : 1, L'\0');
            ::MultiByteToWideChar(CP_ACP, 0, m_tipText, -1, &m_wideTipText[0], length);
            ((NMTTDISPINFOW*)lParam)->lpszText = &m_wideTipText[0];
        }
        *result = 0;
        return TRUE;
    }
    if (header->idFrom == IDC_PANE_BAR_TABS && header->code == TCN_SELCHANGE)
    {
        if (!m_busy)
        {
            TCITEMA item = {};
            item.mask = TCIF_PARAM;
            int tab = m_tabs.GetCurSel();
            if (tab < 0 || !m_tabs.GetItem(tab, &item) || !SelectPage((int)item.lParam))
            {
                // a refused change leaves the tab of the shown page selected
                m_busy = TRUE;
                m_tabs.SetCurSel(m_currentPage);
                m_busy = FALSE;
            }
        }
        *result = 0;
        return TRUE;
    }
    return CPaneBar::OnNotify(wParam, lParam, result);
}
