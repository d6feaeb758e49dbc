#include "framework/lists/MyListCtrl.h"
#include "afx/app/AfxWin.h"
#include "framework/windows/WindowMeasures.h"

#include <algorithm>

using std::max;

IMPLEMENT_DYNCREATE(CMyListCtrl, CListCtrl)

BEGIN_MESSAGE_MAP(CMyListCtrl, CListCtrl)
    ON_WM_CREATE()
    ON_MESSAGE(WM_REFLECT_BASE + WM_MEASUREITEM, OnMeasureItemReflect)
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_MESSAGE(LVM_INSERTCOLUMNA, OnInsertColumn)
    ON_NOTIFY_REFLECT(LVN_BEGINDRAG, OnBeginDrag)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CANCELMODE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
// The text height of a font; the GUI font stands in for none.
int TextHeight(HFONT font)
{
    if (font == NULL)
        font = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    return GetFontHeight(CFont::FromHandle(font));
}
} // namespace

CMyListCtrl::CMyListCtrl() : CMyListCtrl(new COleDragDropSupport)
{
}

CMyListCtrl::CMyListCtrl(COleDragDropSupport* dragDrop)
    : m_dragDrop(dragDrop), m_header(new CMyAutoSizeHeader), m_clickPoint(0, 0)
{
    m_header->m_list = this;
}

CMyListCtrl::~CMyListCtrl() = default;

void CMyListCtrl::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    // A list bound after its creation has its header already; one being
    // created gets it in OnCreate.
    AttachHeader();
    m_dragDrop->Register(this);
}

int CMyListCtrl::OnCreate(LPCREATESTRUCT createStruct)
{
    if (CListCtrl::OnCreate(createStruct) == -1)
        return -1;
    AttachHeader();
    m_dragDrop->Register(this);
    return 0;
}

void CMyListCtrl::OnDestroy()
{
    m_dragDrop->Revoke();
    CListCtrl::OnDestroy();
}

void CMyListCtrl::OnBeginDrag(NMHDR* header, LRESULT* result)
{
    *result = 0;
    // The list may tell again while the drag's own message loop moves the
    // mouse; one drag at a time.
    if (m_dragging)
        return;
    const NMLISTVIEW* notice = (const NMLISTVIEW*)header;
    m_dragDrop->SetDragOrigin(this, 0, notice->ptAction.x, notice->ptAction.y);
    m_dragging = TRUE;
    m_dragDrop->StartDrag(this);
    m_dragging = FALSE;
}

void CMyListCtrl::OnMouseMove(UINT flags, CPoint point)
{
    m_dragDrop->CheckDragStart(this, flags, point);
    CListCtrl::OnMouseMove(flags, point);
}

void CMyListCtrl::OnLButtonUp(UINT flags, CPoint point)
{
    m_dragDrop->CancelDragStart();
    CListCtrl::OnLButtonUp(flags, point);
}

void CMyListCtrl::OnCancelMode()
{
    m_dragDrop->CancelDragStart();
    CListCtrl::OnCancelMode();
}

void CMyListCtrl::AttachHeader()
{
    HWND header = ::GetDlgItem(m_hWnd, 0);
    if (header != NULL && m_header->m_hWnd == NULL && CWnd::FromHandlePermanent(header) == NULL)
        m_header->SubclassWindow(header);
}

LRESULT CMyListCtrl::OnInsertColumn(WPARAM, LPARAM)
{
    // A list that was not in report view gets its header with its first column.
    LRESULT result = Default();
    AttachHeader();
    return result;
}

void CMyListCtrl::PostNcDestroy()
{
    CListCtrl::PostNcDestroy();
    if (m_autoDelete)
        delete this;
}

void CMyListCtrl::LockRedraw(BOOL unlock)
{
    if (!unlock)
    {
        if (m_redrawLock++ < 1)
            SendMessage(WM_SETREDRAW, FALSE);
        return;
    }
    if (--m_redrawLock < 1)
    {
        SendMessage(WM_SETREDRAW, TRUE);
        m_redrawLock = 0;
        Invalidate();
        CHeaderCtrl* header = GetHeaderCtrl();
        if (header != NULL)
            header->Invalidate();
    }
}

CHeaderCtrl* CMyListCtrl::GetHeaderCtrl() const
{
    return (CHeaderCtrl*)GetDlgItem(0);
}

int CMyListCtrl::GetColumnCount() const
{
    HWND header = ::GetDlgItem(m_hWnd, 0);
    return header != NULL ? (int)::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0) : 0;
}

int CMyListCtrl::GetColumnWidth(int column) const
{
    LVCOLUMNA info;
    memset(&info, 0, sizeof(info));
    info.mask = LVCF_WIDTH;
    return GetColumn(column, &info) ? info.cx : -1;
}

void CMyListCtrl::SetPendingClick(CPoint point)
{
    m_clickPending = TRUE;
    m_clickPoint = point;
}

int CMyListCtrl::GetAutoColumnWidth(int column)
{
    SetColumnWidth(column, LVSCW_AUTOSIZE);
    return GetColumnWidth(column);
}

int CMyListCtrl::GetAutoHeaderWidth(int column)
{
    SetColumnWidth(column, LVSCW_AUTOSIZE_USEHEADER);
    return GetColumnWidth(column);
}

void CMyListCtrl::AutoSizeColumns(int column, int minimum)
{
    int first = column < 0 ? 0 : column;
    int last = column < 0 ? GetColumnCount() - 1 : column;
    LockRedraw();
    for (int i = first; i <= last; ++i)
    {
        int width = max(GetAutoColumnWidth(i), GetAutoHeaderWidth(i));
        SetColumnWidth(i, max(width, minimum));
    }
    LockRedraw(TRUE);
}

void CMyListCtrl::ForceMeasureItem()
{
    CRect bounds;
    GetWindowRect(&bounds);
    WINDOWPOS position;
    memset(&position, 0, sizeof(position));
    position.hwnd = m_hWnd;
    position.cx = bounds.Width();
    position.cy = bounds.Height();
    position.flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    SendMessage(WM_WINDOWPOSCHANGED, 0, (LPARAM)&position);
}

int CMyListCtrl::MeasureRowHeight(HFONT font) const
{
    // Two pixels more than the text leave room for the focus rectangle.
    return TextHeight(font) + 2;
}

LRESULT CMyListCtrl::OnMeasureItemReflect(WPARAM, LPARAM lParam)
{
    if (m_rowHeight == 0)
        m_rowHeight = MeasureRowHeight((HFONT)SendMessage(WM_GETFONT));
    ((MEASUREITEMSTRUCT*)lParam)->itemHeight = (UINT)m_rowHeight;
    return TRUE;
}

LRESULT CMyListCtrl::OnSetFont(WPARAM wParam, LPARAM)
{
    LRESULT result = Default();
    if (m_followFont)
    {
        m_rowHeight = MeasureRowHeight((HFONT)wParam);
        ForceMeasureItem();
    }
    return result;
}

void CMyListCtrl::OnHeaderLayout(HDLAYOUT* layout)
{
    if (m_headerFontHeight == 0)
        m_headerFontHeight = TextHeight((HFONT)m_header->SendMessage(WM_GETFONT));
    int height = m_headerFontHeight + 2;
    layout->prc->top = height;
    layout->pwpos->cy = height;
}

void CMyListCtrl::OnColumnResized()
{
    Invalidate();
    CHeaderCtrl* header = GetHeaderCtrl();
    if (header != NULL)
        header->Invalidate();
}

void CMyListCtrl::InvalidateFocusedRow()
{
    int focused = GetNextItem(-1, LVNI_FOCUSED);
    CRect row;
    if (focused < 0 || !GetItemRect(focused, &row, LVIR_BOUNDS))
        return;
    CRect client;
    GetClientRect(&client);
    row.left = client.left;
    row.right = client.right;
    InvalidateRect(&row);
}

void CMyListCtrl::OnSetFocus(CWnd* oldWnd)
{
    CListCtrl::OnSetFocus(oldWnd);
    if (GetStyle() & LVS_OWNERDRAWFIXED)
        InvalidateFocusedRow();
}

void CMyListCtrl::OnKillFocus(CWnd* newWnd)
{
    CListCtrl::OnKillFocus(newWnd);
    if (GetStyle() & LVS_OWNERDRAWFIXED)
        InvalidateFocusedRow();
}
