#include "framework/lists/CustomListWnd.h"

#include "afx/windows/MessageMap.h"
#include "afx/gdi/PaintDC.h"
#include "framework/messages/MessageRoutines.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CCustomListWnd, CWnd)

BEGIN_MESSAGE_MAP(CCustomListWnd, CWnd)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONDOWN()
ON_WM_CONTEXTMENU()
ON_WM_KEYDOWN()
ON_WM_MOUSEWHEEL()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

CCustomListWnd::CCustomListWnd()
{
}

BOOL CCustomListWnd::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    LPCTSTR windowClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), NULL);
    return CWnd::CreateEx(0, windowClass, NULL, style | WS_VSCROLL | WS_HSCROLL, rect, parent, id);
}

void CCustomListWnd::SetItemCount(int count)
{
    m_itemCount = std::max(0, count);
    m_lastIndex = m_itemCount - 1;
    if (m_focusRow > m_lastIndex)
        m_focusRow = -1;
    RecalcLayout();
    if (m_hWnd != NULL)
        Invalidate();
}

void CCustomListWnd::SetRowHeight(int height)
{
    m_rowHeight = std::max(1, height);
    RecalcLayout();
}

void CCustomListWnd::SetHeaderHeight(int height)
{
    m_headerHeight = std::max(0, height);
    RecalcLayout();
}

void CCustomListWnd::SetTotalWidth(int width)
{
    m_totalWidth = std::max(0, width);
    RecalcLayout();
}

void CCustomListWnd::RecalcLayout()
{
    if (m_hWnd == NULL)
        return;
    CRect client;
    GetClientRect(&client);
    int rowsHeight = std::max(0, client.Height() - m_headerHeight);
    m_wholeVisibleRows = rowsHeight / m_rowHeight;
    m_visibleRows = (rowsHeight + m_rowHeight - 1) / m_rowHeight;
    m_hPage = m_totalWidth / 10;
    m_hLine = std::max(1, m_hPage / 10);
    m_firstVisible = std::max(0, std::min(m_firstVisible, m_itemCount - std::max(1, m_wholeVisibleRows)));
    m_hOffset = std::max(0, std::min(m_hOffset, m_totalWidth - client.Width()));

    SCROLLINFO info = {sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL};
    info.nMax = std::max(0, m_itemCount - 1);
    info.nPage = std::max(1, m_wholeVisibleRows);
    info.nPos = m_firstVisible;
    ::SetScrollInfo(m_hWnd, SB_VERT, &info, TRUE);
    info.nMax = std::max(0, m_totalWidth - 1);
    info.nPage = std::max(1, (int)client.Width());
    info.nPos = m_hOffset;
    ::SetScrollInfo(m_hWnd, SB_HORZ, &info, TRUE);
}

BOOL CCustomListWnd::GetRowRect(int row, CRect& rect) const
{
    if (row < 0 || row > m_lastIndex || row < m_firstVisible || row >= m_firstVisible + m_visibleRows)
        return FALSE;
    CRect client;
    GetClientRect(&client);
    rect.left = -m_hOffset;
    rect.right = client.right;
    rect.top = (row - m_firstVisible) * m_rowHeight + m_headerHeight;
    rect.bottom = std::min((int)rect.top + m_rowHeight, (int)client.bottom);
    return TRUE;
}

int CCustomListWnd::RowFromPoint(CPoint point) const
{
    if (point.y < m_headerHeight)
        return -1;
    int row = m_firstVisible + (point.y - m_headerHeight) / m_rowHeight;
    CRect rect;
    return GetRowRect(row, rect) && rect.PtInRect(CPoint(0, point.y)) ? row : -1;
}

void CCustomListWnd::InvalidateRow(int row)
{
    CRect rect;
    if (GetRowRect(row, rect))
        InvalidateRect(&rect, FALSE);
}

void CCustomListWnd::ScrollToRow(int first)
{
    first = std::max(0, std::min(first, m_itemCount - std::max(1, m_wholeVisibleRows)));
    if (first == m_firstVisible)
        return;
    int rows = m_firstVisible - first;
    m_firstVisible = first;
    ::SetScrollPos(m_hWnd, SB_VERT, first, TRUE);
    CRect area;
    GetClientRect(&area);
    area.top = m_headerHeight;
    if (std::abs(rows) < m_visibleRows)
        ::ScrollWindow(m_hWnd, 0, rows * m_rowHeight, &area, &area);
    else
        InvalidateRect(&area, FALSE);
}

void CCustomListWnd::ScrollHorizontallyTo(int offset)
{
    CRect client;
    GetClientRect(&client);
    offset = std::max(0, std::min(offset, m_totalWidth - client.Width()));
    if (offset == m_hOffset)
        return;
    m_hOffset = offset;
    ::SetScrollPos(m_hWnd, SB_HORZ, offset, TRUE);
    Invalidate(FALSE);
}

BOOL CCustomListWnd::MoveFocusTo(int row)
{
    if (row < 0 || row > m_lastIndex)
        return FALSE;
    if (row != m_focusRow)
    {
        CString reason;
        if (!CanSelectRow(row, reason))
        {
            if (!reason.IsEmpty())
                ShowError(NULL, 0, "%s", (LPCTSTR)reason);
            return FALSE;
        }
        InvalidateRow(m_focusRow);
        m_focusRow = row;
        SelectRow(row);
    }
    ScrollRowIntoView(row);
    InvalidateRow(row);
    return TRUE;
}

int CCustomListWnd::FirstSelectableRow(int start, int step)
{
    for (int row = start; row >= 0 && row <= m_lastIndex; row += step)
    {
        CString reason;
        if (row == m_focusRow || CanSelectRow(row, reason))
            return row;
    }
    return -1;
}

void CCustomListWnd::DrawRow(CDC*, const CRect&, int, BOOL)
{
}

void CCustomListWnd::DrawFocus(CDC* dc, const CRect& rect)
{
    ::DrawFocusRect(dc->m_hDC, &rect);
}

void CCustomListWnd::DrawBelowRows(CDC* dc, const CRect& rect)
{
    ::FillRect(dc->m_hDC, &rect, ::GetSysColorBrush(COLOR_WINDOW));
}

void CCustomListWnd::DrawHeader(CDC*, const CRect&)
{
}

BOOL CCustomListWnd::CanSelectRow(int, CString&)
{
    return TRUE;
}

void CCustomListWnd::SelectRow(int)
{
}

void CCustomListWnd::ScrollRowIntoView(int row)
{
    if (row < m_firstVisible)
        ScrollToRow(row);
    else if (row >= m_firstVisible + std::max(1, m_wholeVisibleRows))
        ScrollToRow(row - std::max(1, m_wholeVisibleRows) + 1);
}

void CCustomListWnd::OnRowClicked(int)
{
}

void CCustomListWnd::OnRowDoubleClicked(int)
{
}

void CCustomListWnd::OnRowContextMenu(int, CPoint)
{
}

void CCustomListWnd::OnSideKey(UINT)
{
}

void CCustomListWnd::OnEditKey()
{
}

void CCustomListWnd::OnEnterKey(BOOL, BOOL)
{
}

void CCustomListWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    if (m_itemCount == 0)
    {
        ::FillRect(dc.m_hDC, &client, ::GetSysColorBrush(COLOR_WINDOW));
        if (m_headerHeight > 0)
            DrawHeader(&dc, CRect(-m_hOffset, 0, client.right, m_headerHeight));
        return;
    }
    int oldMode = dc.SetBkMode(TRANSPARENT);
    COLORREF oldText = dc.GetTextColor(), oldBack = dc.GetBkColor();
    CRect rect, below = client;
    below.top = m_headerHeight;
    for (int row = m_firstVisible; row < m_firstVisible + m_visibleRows && GetRowRect(row, rect); ++row)
    {
        CRect meet;
        if (meet.IntersectRect(&rect, &dc.m_ps.rcPaint))
            DrawRow(&dc, rect, row, row == m_focusRow);
        below.top = rect.bottom;
    }
    if (below.top < below.bottom)
        DrawBelowRows(&dc, below);
    if (m_hasFocus && GetRowRect(m_focusRow, rect))
        DrawFocus(&dc, rect);
    if (m_headerHeight > 0)
        DrawHeader(&dc, CRect(-m_hOffset, 0, client.right, m_headerHeight));
    dc.SetBkMode(oldMode);
    dc.SetTextColor(oldText);
    dc.SetBkColor(oldBack);
    m_repaintPending = FALSE;
}

void CCustomListWnd::OnSize(UINT, int, int)
{
    Default();
    RecalcLayout();
}

void CCustomListWnd::OnHScroll(UINT code, UINT, CScrollBar*)
{
    SCROLLINFO info = {sizeof(info), SIF_ALL};
    ::GetScrollInfo(m_hWnd, SB_HORZ, &info);
    int offset = m_hOffset;
    switch (code)
    {
    case SB_LINELEFT: offset -= m_hLine; break;
    case SB_LINERIGHT: offset += m_hLine; break;
    case SB_PAGELEFT: offset -= (int)info.nPage; break;
    case SB_PAGERIGHT: offset += (int)info.nPage; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: offset = info.nTrackPos; break;
    case SB_LEFT: offset = 0; break;
    case SB_RIGHT: offset = m_totalWidth; break;
    default: return;
    }
    ScrollHorizontallyTo(offset);
    InvalidateRow(m_focusRow);
}

void CCustomListWnd::OnVScroll(UINT code, UINT, CScrollBar*)
{
    int first = m_firstVisible;
    int page = std::max(1, m_wholeVisibleRows);
    switch (code)
    {
    case SB_LINEUP: first -= 1; break;
    case SB_LINEDOWN: first += 1; break;
    case SB_PAGEUP: first -= page; break;
    case SB_PAGEDOWN: first += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
    {
        // the 32-bit position, not the message's 16 bits
        SCROLLINFO info = {sizeof(info), SIF_TRACKPOS};
        ::GetScrollInfo(m_hWnd, SB_VERT, &info);
        first = info.nTrackPos;
        break;
    }
    case SB_TOP: first = 0; break;
    case SB_BOTTOM: first = m_lastIndex; break;
    default: return;
    }
    ScrollToRow(first);
    InvalidateRow(m_focusRow);
}

void CCustomListWnd::OnLButtonDown(UINT, CPoint point)
{
    if (IsWindowEnabled())
        SetFocus();
    int row = RowFromPoint(point);
    if (row >= 0 && MoveFocusTo(row))
        OnRowClicked(row);
}

void CCustomListWnd::OnLButtonDblClk(UINT, CPoint point)
{
    int row = RowFromPoint(point);
    if (row >= 0 && row == m_focusRow)
        OnRowDoubleClicked(row);
}

void CCustomListWnd::OnRButtonDown(UINT, CPoint point)
{
    if (IsWindowEnabled())
        SetFocus();
    int row = RowFromPoint(point);
    if (row >= 0)
        MoveFocusTo(row);
    Default();
}

void CCustomListWnd::OnContextMenu(CWnd*, CPoint point)
{
    if (point.x == -1 && point.y == -1)
    {
        CRect rect;
        point = GetRowRect(m_focusRow, rect) ? rect.CenterPoint() : CPoint(0, m_headerHeight);
        ClientToScreen(&point);
    }
    OnRowContextMenu(m_focusRow, point);
}

void CCustomListWnd::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    int page = std::max(1, m_wholeVisibleRows);
    BOOL shift = ::GetKeyState(VK_SHIFT) < 0, control = ::GetKeyState(VK_CONTROL) < 0;
    switch (key)
    {
    case VK_HOME: MoveFocusTo(FirstSelectableRow(0, 1)); break;
    case VK_END: MoveFocusTo(FirstSelectableRow(m_lastIndex, -1)); break;
    case VK_PRIOR: MoveFocusTo(std::max(0, m_focusRow - page)); break;
    case VK_NEXT: MoveFocusTo(std::min(m_lastIndex, m_focusRow + page)); break;
    case VK_UP: MoveFocusTo(m_focusRow - 1); break;
    case VK_DOWN: MoveFocusTo(m_focusRow + 1); break;
    case VK_LEFT:
    case VK_RIGHT: OnSideKey(key); break;
    case VK_F2: OnEditKey(); break;
    case VK_RETURN: OnEnterKey(shift, control); break;
    default: CWnd::OnKeyDown(key, repeat, flags); break;
    }
}

BOOL CCustomListWnd::OnMouseWheel(UINT, short delta, CPoint)
{
    UINT lines = 3;
    ::SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    int rows = ::MulDiv(-delta, (int)lines, WHEEL_DELTA);
    if (lines == WHEEL_PAGESCROLL)
        rows = delta < 0 ? m_wholeVisibleRows : -m_wholeVisibleRows;
    ScrollToRow(m_firstVisible + rows);
    return TRUE;
}

void CCustomListWnd::OnSetFocus(CWnd*)
{
    m_hasFocus = TRUE;
    InvalidateRow(m_focusRow);
}

void CCustomListWnd::OnKillFocus(CWnd*)
{
    m_hasFocus = FALSE;
    InvalidateRow(m_focusRow);
}

UINT CCustomListWnd::OnGetDlgCode()
{
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
}
