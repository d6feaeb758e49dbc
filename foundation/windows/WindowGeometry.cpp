#include "foundation/windows/WindowGeometry.h"

#include "foundation/windows/DialogMetrics.h"
#include "foundation/windows/WindowSize.h"

namespace
{
    bool IsRadioButton(HWND wnd)
    {
        return (::SendMessageA(wnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
    }

    // Calls visit(button, index) for every radio button of the group that
    // begins at 'first'; stops early when visit answers false.
    template <typename Visit>
    void ForEachRadioInGroup(HWND first, Visit visit)
    {
        int index = 0;
        for (HWND wnd = first; wnd != NULL;)
        {
            if (IsRadioButton(wnd))
            {
                if (!visit(wnd, index))
                    return;
                ++index;
            }
            wnd = ::GetWindow(wnd, GW_HWNDNEXT);
            if (wnd != NULL && (::GetWindowLongA(wnd, GWL_STYLE) & WS_GROUP))
                return;
        }
    }

    int BarAllowance(CWnd* wnd, int bar, int metric)
    {
        if (wnd->GetScrollBarCtrl(bar) != NULL)
            return 0;
        int size = ::GetSystemMetrics(metric);
        if (wnd->GetStyle() & WS_BORDER)
            --size;
        return size;
    }
}

CRect GetWindowRectInParent(CWnd* child)
{
    CRect rect;
    child->GetWindowRect(&rect);
    POINT origin = {0, 0};
    ::ClientToScreen(::GetParent(child->m_hWnd), &origin);
    rect.OffsetRect(-origin.x, -origin.y);
    return rect;
}

CRect DeflateRectByGroupBoxMargins(const RECT& rect)
{
    return CRect(rect.left + GetGroupBoxLeftMargin(), rect.top + GetGroupBoxTopMargin(),
                 rect.right - GetGroupBoxRightMargin(), rect.bottom - GetGroupBoxBottomMargin());
}

CRect DeflateRectByTabMargins(const RECT& rect)
{
    CSize frame = GetTabControlFrameSize();
    int left = GetTabControlLeftFrame();
    int top = GetTabControlTopFrame();
    return CRect(rect.left + left, rect.top + top, rect.right - (frame.cx - left), rect.bottom - (frame.cy - top));
}

CSize GetScrollBarSizes(CWnd* wnd)
{
    return CSize(BarAllowance(wnd, SB_VERT, SM_CXVSCROLL), BarAllowance(wnd, SB_HORZ, SM_CYHSCROLL));
}

CSize GetTrueClientSize(CWnd* wnd)
{
    CSize size = GetClientSize(wnd);
    CSize bars = GetScrollBarSizes(wnd);
    DWORD style = wnd->GetStyle();
    if ((style & WS_VSCROLL) && wnd->GetScrollBarCtrl(SB_VERT) == NULL)
        size.cx += bars.cx;
    if ((style & WS_HSCROLL) && wnd->GetScrollBarCtrl(SB_HORZ) == NULL)
        size.cy += bars.cy;
    return size;
}

int GetCheckedRadioIndex(CWnd* first)
{
    int checked = -1;
    ForEachRadioInGroup(first->m_hWnd, [&](HWND button, int index) {
        if (::SendMessageA(button, BM_GETCHECK, 0, 0) != 0)
        {
            checked = index;
            return false;
        }
        return true;
    });
    return checked;
}

void CheckRadioByIndex(CWnd* first, int index)
{
    ForEachRadioInGroup(first->m_hWnd, [&](HWND button, int buttonIndex) {
        ::SendMessageA(button, BM_SETCHECK, buttonIndex == index ? BST_CHECKED : BST_UNCHECKED, 0);
        return true;
    });
}
