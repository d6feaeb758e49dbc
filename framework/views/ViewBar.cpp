#include "framework/views/ViewBar.h"

#include "afx/gdi/ClientDC.h"
#include "afx/windows/MessageMap.h"
#include "foundation/terminology/FrameworkTextHooks.h"
#include "foundation/windows/SelectedObject.h"
#include "framework/controls/ListItemRecords.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CViewBar, CPaneBar)

BEGIN_MESSAGE_MAP(CViewBar, CPaneBar)
ON_WM_SIZE()
ON_CBN_SELCHANGE(IDC_VIEW_BAR_LIST, OnSelectionChange)
END_MESSAGE_MAP()

namespace
{
// The label is at least as wide as this, which leaves room after its text.
const char viewWord[] = " View:";

// How many list items the drop-down part shows.
const int droppedItems = 20;

int WindowHeight(CWnd& window)
{
    CRect rect;
    window.GetWindowRect(&rect);
    return rect.Height();
}

CSize TextExtent(CWnd* window, HFONT font, LPCTSTR text)
{
    CClientDC dc(window);
    CSelectedObject selected(dc.m_hDC, font);
    return dc.GetTextExtent(CString(text));
}
} // namespace

CViewBar::CViewBar() : m_labelText(ExpandFrameworkText("View:"))
{
}

BOOL CViewBar::CreateParts()
{
    HFONT font = GetBarFont();
    int labelHeight = TextExtent(this, font, m_labelText).cy;
    if (!m_label.Create(m_labelText, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, labelHeight), this, IDC_VIEW_BAR_LABEL) ||
        !m_views.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, CRect(0, 0, 100, 200), this,
                        IDC_VIEW_BAR_LIST))
        return FALSE;
    m_label.SendMessage(WM_SETFONT, (WPARAM)font);
    m_views.SendMessage(WM_SETFONT, (WPARAM)font);
    m_barHeight = std::max(WindowHeight(m_label), WindowHeight(m_views));
    return TRUE;
}

void CViewBar::GetPageArea(CRect& rect)
{
    GetClientRect(&rect);
    rect.top = m_barHeight;
}

void CViewBar::LayOutParts()
{
    HFONT font = (HFONT)m_label.SendMessage(WM_GETFONT);
    CSize label = TextExtent(this, font, m_labelText);
    int labelWidth = std::max(label.cx, TextExtent(this, font, viewWord).cx);
    m_label.MoveWindow(0, (m_barHeight - label.cy) / 2, labelWidth, label.cy);
    CRect client;
    GetClientRect(&client);
    int left = labelWidth + 4;
    m_views.MoveWindow(left, 0, std::max((int)client.right - left, 0),
                       WindowHeight(m_views) + droppedItems * CListItemRecords::ItemHeight());
    m_label.Invalidate();
    m_views.Invalidate();
    m_layoutNeeded = FALSE;
}

void CViewBar::RecalcLayout()
{
    if (m_layoutNeeded && m_label.m_hWnd != NULL && m_views.m_hWnd != NULL)
        LayOutParts();
    CPaneBar::RecalcLayout();
}

void CViewBar::OnSize(UINT type, int cx, int cy)
{
    // the list takes the bar's width
    m_layoutNeeded = TRUE;
    CPaneBar::OnSize(type, cx, cy);
}

void CViewBar::SetSelection(int index)
{
    m_busy = TRUE;
    m_views.SetCurSel(index);
    m_busy = FALSE;
}

void CViewBar::OnPageAdded(int index)
{
    if (m_views.m_hWnd != NULL)
        m_views.InsertString(index, GetPage(index)->m_title);
}

void CViewBar::OnPageChanged(int index)
{
    if (m_views.m_hWnd != NULL)
        SetSelection(index);
    CPaneBar::OnPageChanged(index);
}

void CViewBar::OnSelectionChange()
{
    if (m_busy)
        return;
    int previous = m_currentPage;
    if (!SelectPage(m_views.GetCurSel()))
        SetSelection(previous);
}
