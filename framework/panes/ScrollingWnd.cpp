#include "framework/panes/ScrollingWnd.h"

#include "afx/windows/MessageMap.h"
#include "afx/gdi/PaintDC.h"
#include "framework/resources/CursorIds.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CScrollingWnd, CWnd)

BEGIN_MESSAGE_MAP(CScrollingWnd, CWnd)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_KEYDOWN()
ON_WM_MOUSEWHEEL()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_CANCELMODE()
ON_WM_SETCURSOR()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

CScrollingWnd::CScrollingWnd()
{
}

BOOL CScrollingWnd::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    LPCTSTR windowClass = AfxRegisterWndClass(CS_DBLCLKS, NULL, (HBRUSH)(COLOR_WINDOW + 1));
    return CWnd::CreateEx(0, windowClass, NULL, style, rect, parent, id);
}

void CScrollingWnd::SetContentSize(int width, int height)
{
    m_contentWidth = std::max(0, width);
    m_contentHeight = std::max(0, height);
    UpdateScrollBars();
}

BOOL CScrollingWnd::HasBar(int bar) const
{
    return (GetStyle() & (bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL)) != 0;
}

CPoint CScrollingWnd::GetScrollPosition() const
{
    return CPoint(HasBar(SB_HORZ) ? ::GetScrollPos(m_hWnd, SB_HORZ) : 0,
                  HasBar(SB_VERT) ? ::GetScrollPos(m_hWnd, SB_VERT) : 0);
}

void CScrollingWnd::UpdateScrollBars()
{
    if (m_inLayout || m_hWnd == NULL)
        return;
    m_inLayout = TRUE;
    int extra = (GetStyle() & WS_BORDER) != 0 ? 0 : 1;
    int barWidth = ::GetSystemMetrics(SM_CXVSCROLL) + extra, barHeight = ::GetSystemMetrics(SM_CYHSCROLL) + extra;
    CRect client;
    GetClientRect(&client);
    // the room without bars
    int width = client.Width() + (HasBar(SB_VERT) ? barWidth : 0);
    int height = client.Height() + (HasBar(SB_HORZ) ? barHeight : 0);
    bool horizontal = m_contentWidth > width, vertical = m_contentHeight > height;
    if (horizontal && !vertical)
        vertical = m_contentHeight > height - barHeight;
    if (vertical && !horizontal)
        horizontal = m_contentWidth > width - barWidth;
    ::ShowScrollBar(m_hWnd, SB_HORZ, horizontal);
    ::ShowScrollBar(m_hWnd, SB_VERT, vertical);
    GetClientRect(&client);
    CPoint before = GetScrollPosition();
    for (int bar : {SB_HORZ, SB_VERT})
    {
        if (!HasBar(bar))
            continue;
        SCROLLINFO info = {sizeof(info), SIF_RANGE | SIF_PAGE};
        info.nMax = std::max(0, (bar == SB_HORZ ? m_contentWidth : m_contentHeight) - 1);
        info.nPage = bar == SB_HORZ ? client.Width() : client.Height();
        ::SetScrollInfo(m_hWnd, bar, &info, TRUE);
    }
    if (GetScrollPosition() != before)
        Invalidate();
    m_inLayout = FALSE;
}

void CScrollingWnd::ScrollBy(int dx, int dy)
{
    CPoint old = GetScrollPosition(), now = old;
    LONG* positions[2] = {&now.x, &now.y};
    int distances[2] = {dx, dy};
    for (int bar : {SB_HORZ, SB_VERT})
    {
        if (!HasBar(bar))
            continue;
        SCROLLINFO info = {sizeof(info), SIF_RANGE | SIF_PAGE};
        ::GetScrollInfo(m_hWnd, bar, &info);
        int limit = std::max(0, info.nMax - std::max((int)info.nPage - 1, 0) - info.nMin);
        long long wanted = (long long)*positions[bar] + distances[bar];
        *positions[bar] = (int)std::max(0LL, std::min<long long>(wanted, limit));
    }
    if (now == old)
        return;
    CRect client;
    GetClientRect(&client);
    if (std::abs(now.x - old.x) >= client.Width() || std::abs(now.y - old.y) >= client.Height())
        Invalidate();
    else
        ::ScrollWindow(m_hWnd, old.x - now.x, old.y - now.y, NULL, NULL);
    if (now.x != old.x)
        ::SetScrollPos(m_hWnd, SB_HORZ, now.x, TRUE);
    if (now.y != old.y)
        ::SetScrollPos(m_hWnd, SB_VERT, now.y, TRUE);
}

int CScrollingWnd::PageSize(int bar) const
{
    int page = bar == SB_HORZ ? m_pageWidth : m_pageHeight;
    if (page > 0)
        return page;
    CRect client;
    GetClientRect(&client);
    return std::max(1, bar == SB_HORZ ? client.Width() : client.Height());
}

void CScrollingWnd::PrepareDC(CDC* dc)
{
    CPoint position = GetScrollPosition();
    ::SetViewportOrgEx(dc->m_hDC, -position.x, -position.y, NULL);
}

void CScrollingWnd::Draw(CDC*)
{
}

UINT CScrollingWnd::GetCursorId(CPoint)
{
    return 0;
}

BOOL CScrollingWnd::HitTestDragStart(CPoint)
{
    return FALSE;
}

void CScrollingWnd::BeginDrag(CPoint)
{
}

void CScrollingWnd::DragMove(CPoint, CPoint)
{
}

void CScrollingWnd::EndDrag(CPoint)
{
}

void CScrollingWnd::CancelDrag()
{
}

void CScrollingWnd::OnPaint()
{
    CPaintDC dc(this);
    PrepareDC(&dc);
    Draw(&dc);
}

void CScrollingWnd::OnSize(UINT, int, int)
{
    Default();
    UpdateScrollBars();
}

int CScrollingWnd::ScrollDistance(int bar, UINT code)
{
    int position = ::GetScrollPos(m_hWnd, bar);
    switch (code)
    {
    case SB_LINEUP: return -LineSize(bar);
    case SB_LINEDOWN: return LineSize(bar);
    case SB_PAGEUP: return -PageSize(bar);
    case SB_PAGEDOWN: return PageSize(bar);
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
    {
        SCROLLINFO info = {sizeof(info), SIF_TRACKPOS};
        ::GetScrollInfo(m_hWnd, bar, &info);
        return info.nTrackPos - position;
    }
    case SB_TOP: return -position;
    case SB_BOTTOM: return INT_MAX - position;
    default: return 0;
    }
}

void CScrollingWnd::OnHScroll(UINT code, UINT, CScrollBar*)
{
    ScrollBy(ScrollDistance(SB_HORZ, code), 0);
    UpdateWindow();
}

void CScrollingWnd::OnVScroll(UINT code, UINT, CScrollBar*)
{
    ScrollBy(0, ScrollDistance(SB_VERT, code));
    UpdateWindow();
}

void CScrollingWnd::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    BOOL shift = ::GetKeyState(VK_SHIFT) < 0;
    int bar = shift ? SB_HORZ : SB_VERT;
    UINT code;
    switch (key)
    {
    case VK_PRIOR: code = SB_PAGEUP; break;
    case VK_NEXT: code = SB_PAGEDOWN; break;
    case VK_HOME: code = SB_TOP; break;
    case VK_END: code = SB_BOTTOM; break;
    case VK_UP: bar = SB_VERT; code = SB_LINEUP; break;
    case VK_DOWN: bar = SB_VERT; code = SB_LINEDOWN; break;
    case VK_LEFT: bar = SB_HORZ; code = SB_LINEUP; break;
    case VK_RIGHT: bar = SB_HORZ; code = SB_LINEDOWN; break;
    default: CWnd::OnKeyDown(key, repeat, flags); return;
    }
    int distance = ScrollDistance(bar, code);
    ScrollBy(bar == SB_HORZ ? distance : 0, bar == SB_VERT ? distance : 0);
    UpdateWindow();
}

BOOL CScrollingWnd::OnMouseWheel(UINT flags, short delta, CPoint)
{
    if ((flags & (MK_CONTROL | MK_SHIFT)) != 0)
        return FALSE;
    int bar = HasBar(SB_VERT) ? SB_VERT : SB_HORZ;
    if (!HasBar(bar))
        return FALSE;
    UINT wheelLines = 3;
    ::SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &wheelLines, 0);
    int page = PageSize(bar), distance;
    if (wheelLines == WHEEL_PAGESCROLL)
        distance = delta > 0 ? -page : page;
    else
    {
        int lines = ::MulDiv(-delta, (int)wheelLines, WHEEL_DELTA);
        distance = std::max(-page, std::min(page, lines * LineSize(bar)));
    }
    ScrollBy(bar == SB_HORZ ? distance : 0, bar == SB_VERT ? distance : 0);
    UpdateWindow();
    return TRUE;
}

void CScrollingWnd::OnLButtonDown(UINT, CPoint point)
{
    if (m_dragging)
        return;
    SetFocus();
    if (!HitTestDragStart(point))
        return;
    SetCapture();
    m_dragStart = m_lastDrag = point;
    CRect client;
    GetClientRect(&client);
    ClientToScreen(&client);
    ::ClipCursor(&client);
    m_dragging = TRUE;
    BeginDrag(point);
}

void CScrollingWnd::OnMouseMove(UINT, CPoint point)
{
    if (!m_dragging)
        return;
    DragMove(point, m_lastDrag);
    m_lastDrag = point;
}

void CScrollingWnd::ReleaseDrag()
{
    m_dragging = FALSE;
    ::ClipCursor(NULL);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CScrollingWnd::OnLButtonUp(UINT, CPoint point)
{
    if (!m_dragging)
        return;
    ReleaseDrag();
    EndDrag(point);
}

void CScrollingWnd::OnCancelMode()
{
    if (m_dragging)
    {
        ReleaseDrag();
        CancelDrag();
    }
    Default();
}

BOOL CScrollingWnd::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message)
{
    if (hitTest != HTCLIENT)
        return CWnd::OnSetCursor(wnd, hitTest, message);
    UINT id = IDC_DRAG_SCROLL;
    if (!m_dragging)
    {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        id = GetCursorId(point);
    }
    HCURSOR cursor = id != 0 ? ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(id)) : NULL;
    ::SetCursor(cursor != NULL ? cursor : ::LoadCursor(NULL, IDC_ARROW));
    return TRUE;
}

UINT CScrollingWnd::OnGetDlgCode()
{
    return DLGC_WANTARROWS;
}
