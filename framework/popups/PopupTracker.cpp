#include "framework/popups/PopupTracker.h"

#include "foundation/windows/SystemColours.h"

CPopupTracker::CPopupTracker()
    : m_popupWindow(NULL), m_closeOnFocusLoss(TRUE), m_acceptOnFocusLoss(FALSE), m_cancelled(FALSE),
      m_accepted(FALSE), m_notified(FALSE)
{
    m_backgroundBrush.CreateSolidBrush(GetSystemColour(COLOR_INFOBK));
    m_className = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_CLASSDC | CS_SAVEBITS,
                                      ::LoadCursorA(NULL, IDC_ARROW), (HBRUSH)m_backgroundBrush.GetSafeHandle(),
                                      NULL);
}

void CPopupTracker::RegisterChild(HWND hWnd)
{
    m_childWindows.Add(hWnd);
}

BOOL CPopupTracker::IsOwnWindow(HWND hWnd) const
{
    if (hWnd == NULL)
        return FALSE;
    if (hWnd == m_popupWindow)
        return TRUE;
    for (INT_PTR i = 0; i < m_childWindows.GetSize(); ++i)
    {
        if (m_childWindows[i] == hWnd)
            return TRUE;
    }
    return FALSE;
}

void CPopupTracker::DestroyChildren()
{
    for (INT_PTR i = 0; i < m_childWindows.GetSize(); ++i)
    {
        if (::IsWindow(m_childWindows[i]))
            ::DestroyWindow(m_childWindows[i]);
    }
}

void CPopupTracker::Notify(CWnd* owner, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_notified)
        return;
    m_notified = TRUE;
    if (owner != NULL && ::IsWindow(owner->GetSafeHwnd()))
        ::PostMessageA(owner->m_hWnd, message, wParam, lParam);
}

void CPopupTracker::NotifySelected(CWnd* owner, WPARAM wParam, LPARAM lParam)
{
    Notify(owner, WM_POPUP_SELECTED, wParam, lParam);
}

void CPopupTracker::NotifyCancelled(CWnd* owner)
{
    Notify(owner, WM_POPUP_CANCELLED, 0, 0);
}
