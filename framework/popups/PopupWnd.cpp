#include "framework/popups/PopupWnd.h"

IMPLEMENT_DYNAMIC(CPopupWnd, CWnd)

BEGIN_MESSAGE_MAP(CPopupWnd, CWnd)
    ON_WM_NCDESTROY()
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CPopupWnd::CPopupWnd() : m_closing(FALSE)
{
}

CPopupWnd::~CPopupWnd()
{
}

BOOL CPopupWnd::CreatePopupWindow(CWnd* owner, const RECT& rect)
{
    if (!CreateEx(0, m_className, "", WS_POPUP | WS_VISIBLE | WS_BORDER, rect, owner, 0))
        return FALSE;
    m_popupWindow = m_hWnd;
    return TRUE;
}

void CPopupWnd::Close()
{
    // Destroying the window runs the focus loss and the last messages, which
    // may ask to close again: only the first request counts, and nothing
    // touches the object once the window is destroyed (it deletes itself).
    if (m_closing)
        return;
    m_closing = TRUE;
    if (m_hWnd != NULL)
        DestroyWindow();
}

void CPopupWnd::Accept()
{
    if (m_closing)
        return;
    m_accepted = TRUE;
    Close();
}

void CPopupWnd::Cancel()
{
    if (m_closing)
        return;
    m_cancelled = TRUE;
    Close();
}

void CPopupWnd::OnNcDestroy()
{
    m_closing = TRUE;
    DestroyChildren();
    CWnd::OnNcDestroy();
}

void CPopupWnd::PostNcDestroy()
{
    // Only a window that was made deletes its object; a failed creation
    // leaves the object to its creator.
    if (m_popupWindow != NULL)
        delete this;
}

void CPopupWnd::OnKillFocus(CWnd* newWnd)
{
    CWnd::OnKillFocus(newWnd);
    if (!m_closeOnFocusLoss || m_closing)
        return;
    if (IsOwnWindow(newWnd != NULL ? newWnd->m_hWnd : NULL))
        return;
    if (m_acceptOnFocusLoss)
        Accept();
    else
        Cancel();
}

void CPopupWnd::OnKeyDown(UINT key, UINT, UINT)
{
    Default();
    if (key == VK_RETURN)
        Accept();
    else if (key == VK_ESCAPE || key == VK_CANCEL)
        Cancel();
}
