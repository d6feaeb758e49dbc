#include "afx/windows/SplitterWnd.h"

#include "afx/windows/MessageMap.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_CANCELMODE()
ON_WM_KEYDOWN()
ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CSplitterWnd::CSplitterWnd()
{
}

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID)
{
    if (nRows < 1 || nCols < 1 || nRows > 15 || nCols > 15)
        return FALSE;
    m_nRows = nRows;
    m_nCols = nCols;
    m_rowInfo.assign(nRows, CRowColInfo{0, 0, 0});
    m_colInfo.assign(nCols, CRowColInfo{0, 0, 0});
    LPCTSTR windowClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    CRect rect;
    pParentWnd->GetClientRect(&rect);
    return CreateEx(0, windowClass, NULL, dwStyle | WS_CLIPCHILDREN, rect, pParentWnd, nID);
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    return GetDlgItem(IdFromRowCol(row, col));
}

BOOL CSplitterWnd::IsChildPane(CWnd* pWnd, int* pRow, int* pCol)
{
    if (pWnd == NULL || ::GetParent(pWnd->GetSafeHwnd()) != m_hWnd)
        return FALSE;
    int id = pWnd->GetDlgCtrlID() - AFX_IDW_PANE_FIRST;
    int row = id / 16, col = id % 16;
    if (id < 0 || row >= m_nRows || col >= m_nCols)
        return FALSE;
    if (pRow != NULL)
        *pRow = row;
    if (pCol != NULL)
        *pCol = col;
    return TRUE;
}

void CSplitterWnd::GetColumnInfo(int col, int& cxCur, int& cxMin) const
{
    cxCur = m_colInfo.at(col).nCurSize;
    cxMin = m_colInfo.at(col).nMinSize;
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin)
{
    m_colInfo.at(col).nIdealSize = cxIdeal;
    m_colInfo.at(col).nMinSize = cxMin;
}

void CSplitterWnd::GetRowInfo(int row, int& cyCur, int& cyMin) const
{
    cyCur = m_rowInfo.at(row).nCurSize;
    cyMin = m_rowInfo.at(row).nMinSize;
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin)
{
    m_rowInfo.at(row).nIdealSize = cyIdeal;
    m_rowInfo.at(row).nMinSize = cyMin;
}

namespace
{
// Current sizes from the ideal ones: every line but the last keeps its
// ideal size while room is left; the last takes the rest.
void LayoutLines(std::vector<int>& sizes, const std::vector<int>& ideals, int total, int bar)
{
    size_t count = ideals.size();
    sizes.assign(count, 0);
    int left = total - bar * (int)(count - 1);
    for (size_t i = 0; i + 1 < count; ++i)
    {
        sizes[i] = std::max(0, std::min(ideals[i], left));
        left -= sizes[i];
    }
    sizes[count - 1] = std::max(0, left);
}
}

void CSplitterWnd::GetInsideRect(CRect& rect) const
{
    GetClientRect(&rect);
}

void CSplitterWnd::RecalcLayout()
{
    if (m_hWnd == NULL || m_nRows == 0)
        return;
    CRect inside;
    GetInsideRect(inside);
    for (auto* lines : {&m_colInfo, &m_rowInfo})
    {
        bool columns = lines == &m_colInfo;
        std::vector<int> ideals, sizes;
        for (const CRowColInfo& info : *lines)
            ideals.push_back(info.nIdealSize);
        LayoutLines(sizes, ideals, columns ? inside.Width() : inside.Height(), columns ? m_cxSplitter : m_cySplitter);
        for (size_t i = 0; i < lines->size(); ++i)
            (*lines)[i].nCurSize = sizes[i];
    }
    int y = inside.top;
    for (int row = 0; row < m_nRows; ++row)
    {
        int x = inside.left;
        for (int col = 0; col < m_nCols; ++col)
        {
            if (CWnd* pane = GetPane(row, col))
                pane->MoveWindow(x, y, m_colInfo[col].nCurSize, m_rowInfo[row].nCurSize, TRUE);
            x += m_colInfo[col].nCurSize + m_cxSplitter;
        }
        y += m_rowInfo[row].nCurSize + m_cySplitter;
    }
    Invalidate();
}

CWnd* CSplitterWnd::GetActivePane(int* pRow, int* pCol)
{
    CWnd* focus = GetFocus();
    return IsChildPane(focus, pRow, pCol) ? focus : NULL;
}

void CSplitterWnd::SetActivePane(int row, int col, CWnd* pWnd)
{
    CWnd* pane = pWnd != NULL ? pWnd : GetPane(row, col);
    if (pane != NULL)
        pane->SetFocus();
}

void CSplitterWnd::GetHitRect(int ht, CRect& rect) const
{
    CRect inside;
    GetInsideRect(inside);
    rect.SetRectEmpty();
    if (ht >= hSplitterBar1 && ht < hSplitterBar1 + m_nCols - 1)
    {
        int x = inside.left;
        for (int col = 0; col <= ht - hSplitterBar1; ++col)
            x += m_colInfo[col].nCurSize + (col > 0 ? m_cxSplitter : 0);
        rect.SetRect(x, inside.top, x + m_cxSplitter, inside.bottom);
    }
    else if (ht >= vSplitterBar1 && ht < vSplitterBar1 + m_nRows - 1)
    {
        int y = inside.top;
        for (int row = 0; row <= ht - vSplitterBar1; ++row)
            y += m_rowInfo[row].nCurSize + (row > 0 ? m_cySplitter : 0);
        rect.SetRect(inside.left, y, inside.right, y + m_cySplitter);
    }
}

int CSplitterWnd::HitTest(CPoint pt) const
{
    int row = -1, col = -1;
    CRect bar;
    for (int c = 0; c + 1 < m_nCols; ++c)
    {
        GetHitRect(hSplitterBar1 + c, bar);
        if (bar.PtInRect(pt))
            col = c;
    }
    for (int r = 0; r + 1 < m_nRows; ++r)
    {
        GetHitRect(vSplitterBar1 + r, bar);
        if (bar.PtInRect(pt))
            row = r;
    }
    if (row >= 0 && col >= 0)
        return splitterIntersection1 + row * 15 + col;
    if (col >= 0)
        return hSplitterBar1 + col;
    if (row >= 0)
        return vSplitterBar1 + row;
    return noHit;
}

void CSplitterWnd::SetSplitCursor(int ht)
{
    LPCTSTR cursor = IDC_ARROW;
    if (ht >= splitterIntersection1 || ht == bothSplitterBox)
        cursor = IDC_SIZEALL;
    else if (ht >= hSplitterBar1 || ht == hSplitterBox)
        cursor = IDC_SIZEWE;
    else if (ht >= vSplitterBar1 || ht == vSplitterBox)
        cursor = IDC_SIZENS;
    ::SetCursor(::LoadCursor(NULL, cursor));
}

void CSplitterWnd::StartTracking(int ht)
{
    if (ht == noHit)
        return;
    GetInsideRect(m_rectLimit);
    if (ht >= splitterIntersection1 && ht <= splitterIntersection1 + 224)
    {
        int row = (ht - splitterIntersection1) / 15, col = (ht - splitterIntersection1) % 15;
        GetHitRect(vSplitterBar1 + row, m_rectTracker);
        int offsetY = m_ptTrackOffset.y;
        GetHitRect(hSplitterBar1 + col, m_rectTracker2);
        m_ptTrackOffset.y = offsetY;
        m_bTracking2 = TRUE;
    }
    else if (ht == bothSplitterBox)
    {
        GetHitRect(vSplitterBox, m_rectTracker);
        GetHitRect(hSplitterBox, m_rectTracker2);
        m_rectTracker.OffsetRect(0, m_rectLimit.Height() / 2);
        m_rectTracker2.OffsetRect(m_rectLimit.Width() / 2, 0);
        m_bTracking2 = TRUE;
    }
    else
        GetHitRect(ht, m_rectTracker);
    SetCapture();
    SetFocus();
    RedrawWindow(NULL, NULL, RDW_ALLCHILDREN | RDW_UPDATENOW);
    m_bTracking = TRUE;
    OnInvertTracker(m_rectTracker);
    if (m_bTracking2)
        OnInvertTracker(m_rectTracker2);
    m_htTrack = ht;
    SetSplitCursor(ht);
}

void CSplitterWnd::StopTracking(BOOL bAccept)
{
    if (!m_bTracking)
        return;
    ReleaseCapture();
    OnInvertTracker(m_rectTracker);
    if (m_bTracking2)
        OnInvertTracker(m_rectTracker2);
    m_bTracking = m_bTracking2 = FALSE;
    if (!bAccept)
        return;
    CRect inside;
    GetInsideRect(inside);
    int ht = m_htTrack;
    auto trackColumn = [&](int col, int x) {
        int left = inside.left;
        for (int c = 0; c < col; ++c)
            left += m_colInfo[c].nCurSize + m_cxSplitter;
        m_colInfo[col].nIdealSize = std::max(x - left, m_colInfo[col].nMinSize);
    };
    auto trackRow = [&](int row, int y) {
        int top = inside.top;
        for (int r = 0; r < row; ++r)
            top += m_rowInfo[r].nCurSize + m_cySplitter;
        m_rowInfo[row].nIdealSize = std::max(y - top, m_rowInfo[row].nMinSize);
    };
    if (ht >= splitterIntersection1)
    {
        trackRow((ht - splitterIntersection1) / 15, m_rectTracker.top);
        trackColumn((ht - splitterIntersection1) % 15, m_rectTracker2.left);
    }
    else if (ht >= hSplitterBar1)
        trackColumn(ht - hSplitterBar1, m_rectTracker.left);
    else if (ht >= vSplitterBar1)
        trackRow(ht - vSplitterBar1, m_rectTracker.top);
    RecalcLayout();
}

void CSplitterWnd::OnInvertTracker(const CRect& rect)
{
    HDC dc = ::GetDC(m_hWnd);
    ::PatBlt(dc, rect.left, rect.top, rect.Width(), rect.Height(), DSTINVERT);
    ::ReleaseDC(m_hWnd, dc);
}

void CSplitterWnd::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    for (int i = 0; i + 1 < std::max(m_nCols, m_nRows); ++i)
    {
        for (int ht : {hSplitterBar1 + i, vSplitterBar1 + i})
        {
            CRect bar;
            GetHitRect(ht, bar);
            if (!bar.IsRectEmpty())
            {
                ::FillRect(dc, &bar, ::GetSysColorBrush(COLOR_BTNFACE));
                ::DrawEdge(dc, &bar, EDGE_RAISED, BF_RECT);
            }
        }
    }
    ::EndPaint(m_hWnd, &paint);
}

void CSplitterWnd::OnSize(UINT, int, int)
{
    Default();
    RecalcLayout();
}

void CSplitterWnd::OnLButtonDown(UINT, CPoint point)
{
    if (m_bTracking)
        return;
    int ht = HitTest(point);
    CRect hit;
    GetHitRect(ht >= splitterIntersection1 ? vSplitterBar1 + (ht - splitterIntersection1) / 15 : ht, hit);
    m_ptTrackOffset = point - hit.TopLeft();
    if (ht >= splitterIntersection1)
    {
        CRect columnBar;
        GetHitRect(hSplitterBar1 + (ht - splitterIntersection1) % 15, columnBar);
        m_ptTrackOffset.x = point.x - columnBar.left;
    }
    StartTracking(ht);
}

void CSplitterWnd::OnMouseMove(UINT, CPoint point)
{
    if (!m_bTracking)
    {
        SetSplitCursor(HitTest(point));
        return;
    }
    auto move = [&](CRect& tracker, bool horizontal) {
        CRect moved = tracker;
        if (horizontal)
        {
            int x = std::min((int)(point.x - m_ptTrackOffset.x), (int)m_rectLimit.right - moved.Width());
            moved.OffsetRect(std::max((int)m_rectLimit.left, x) - moved.left, 0);
        }
        else
        {
            int y = std::min((int)(point.y - m_ptTrackOffset.y), (int)m_rectLimit.bottom - moved.Height());
            moved.OffsetRect(0, std::max((int)m_rectLimit.top, y) - moved.top);
        }
        if (moved != tracker)
        {
            OnInvertTracker(tracker);
            tracker = moved;
            OnInvertTracker(tracker);
        }
    };
    bool columnBar = m_htTrack >= hSplitterBar1 && m_htTrack < splitterIntersection1;
    if (m_bTracking2)
    {
        move(m_rectTracker, false);
        move(m_rectTracker2, true);
    }
    else
        move(m_rectTracker, columnBar);
}

void CSplitterWnd::OnLButtonUp(UINT, CPoint)
{
    StopTracking(TRUE);
}

void CSplitterWnd::OnCancelMode()
{
    StopTracking(FALSE);
}

void CSplitterWnd::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_ESCAPE)
        StopTracking(FALSE);
    else if (nChar == VK_RETURN)
        StopTracking(TRUE);
    else
        Default();
}

BOOL CSplitterWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT && pWnd == this && !m_bTracking)
        return TRUE; // the mouse move sets it
    return (BOOL)Default();
}
