#include "framework/lists/ColumnListWnd.h"

#include "afx/windows/MessageMap.h"
#include "framework/lists/ListWindowExtents.h"
#include "framework/resources/CursorIds.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CColumnListWnd, CCustomListWnd)

BEGIN_MESSAGE_MAP(CColumnListWnd, CCustomListWnd)
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_CANCELMODE()
END_MESSAGE_MAP()

CColumnListWnd::CColumnListWnd()
{
}

void CColumnListWnd::AddColumn(LPCTSTR title, int width)
{
    if (m_columns.empty() && !m_name.IsEmpty())
    {
        int extent = GetListWindowExtent(m_name);
        if (extent > 0)
            width = extent;
    }
    m_columns.push_back(Column{title, std::max(width, (int)MinimumColumnWidth)});
    UpdateTotalWidth();
}

void CColumnListWnd::UpdateTotalWidth()
{
    int total = 0;
    for (const Column& column : m_columns)
        total += column.width;
    SetTotalWidth(total);
}

int CColumnListWnd::GetDividerX(int column) const
{
    int x = -m_hOffset;
    for (int i = 0; i <= column && i < (int)m_columns.size(); ++i)
        x += m_columns[i].width;
    return x;
}

int CColumnListWnd::DividerAt(CPoint point) const
{
    for (int column = 0; column < (int)m_columns.size(); ++column)
    {
        bool titled = !m_columns[column].title.IsEmpty() &&
                      (column + 1 == (int)m_columns.size() || !m_columns[column + 1].title.IsEmpty());
        if (titled && std::abs(point.x - GetDividerX(column)) <= 3)
            return column;
    }
    return -1;
}

CString CColumnListWnd::GetCellText(int, int)
{
    return CString();
}

void CColumnListWnd::DrawRow(CDC* dc, const CRect& rect, int index, BOOL focused)
{
    BOOL selected = focused;
    ::FillRect(dc->m_hDC, &rect, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    dc->SetTextColor(::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    CRect cell = rect;
    for (int column = 0; column < (int)m_columns.size(); ++column)
    {
        cell.right = cell.left + m_columns[column].width;
        CRect text = cell;
        text.DeflateRect(3, 0);
        CString value = GetCellText(index, column);
        ::DrawText(dc->m_hDC, value, value.GetLength(), &text,
                   DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        cell.left = cell.right;
    }
}

void CColumnListWnd::DrawHeader(CDC* dc, const CRect& rect)
{
    CRect cell = rect;
    dc->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    for (const Column& column : m_columns)
    {
        cell.right = cell.left + column.width;
        ::FillRect(dc->m_hDC, &cell, ::GetSysColorBrush(COLOR_BTNFACE));
        ::DrawEdge(dc->m_hDC, &cell, EDGE_RAISED, BF_RECT);
        CRect text = cell;
        text.DeflateRect(4, 0);
        ::DrawText(dc->m_hDC, column.title, column.title.GetLength(), &text,
                   DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        cell.left = cell.right;
    }
    if (cell.left < rect.right)
    {
        cell.right = rect.right;
        ::FillRect(dc->m_hDC, &cell, ::GetSysColorBrush(COLOR_BTNFACE));
    }
}

BOOL CColumnListWnd::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (hitTest == HTCLIENT && (IsDragging() || DividerAt(point) >= 0))
    {
        ::SetCursor(::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(IDC_COLUMN_DIVIDER)));
        return TRUE;
    }
    return CWnd::OnSetCursor(wnd, hitTest, message);
}

void CColumnListWnd::InvertDragLine()
{
    CRect client;
    GetClientRect(&client);
    HDC dc = ::GetDC(m_hWnd);
    ::PatBlt(dc, m_dragX - 1, 0, 2, client.bottom, DSTINVERT);
    ::ReleaseDC(m_hWnd, dc);
}

void CColumnListWnd::OnLButtonDown(UINT flags, CPoint point)
{
    int column = DividerAt(point);
    if (column < 0)
    {
        CCustomListWnd::OnLButtonDown(flags, point);
        return;
    }
    m_dragColumn = column;
    m_dragX = point.x;
    SetCapture();
    InvertDragLine();
}

void CColumnListWnd::OnMouseMove(UINT flags, CPoint point)
{
    if (!IsDragging())
    {
        CWnd::OnMouseMove(flags, point);
        return;
    }
    InvertDragLine();
    m_dragX = std::max((int)point.x, GetDividerX(m_dragColumn) - m_columns[m_dragColumn].width + MinimumColumnWidth);
    InvertDragLine();
}

void CColumnListWnd::EndDrag(BOOL accept, int x)
{
    int column = m_dragColumn;
    InvertDragLine();
    m_dragColumn = -1;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (!accept)
        return;
    int left = GetDividerX(column) - m_columns[column].width;
    m_columns[column].width = std::max(x - left, (int)MinimumColumnWidth);
    UpdateTotalWidth();
    Invalidate(FALSE);
    if (!m_name.IsEmpty())
        SetListWindowExtent(m_name, m_columns[0].width);
}

void CColumnListWnd::OnLButtonUp(UINT flags, CPoint point)
{
    if (IsDragging())
        EndDrag(TRUE, point.x);
    else
        CWnd::OnLButtonUp(flags, point);
}

void CColumnListWnd::OnCancelMode()
{
    if (IsDragging())
        EndDrag(FALSE, 0);
    CWnd::OnCancelMode();
}
