#pragma once

#include "afx/app/AfxWin.h"
#include "framework/messages/PrivateMessages.h"

// What every drop-down pop-up keeps besides its window: the windows that
// belong to it, its window class and background, how it closes and whether
// it has told its owner.
class CPopupTracker
{
public:
    CPopupTracker();
    virtual ~CPopupTracker() {}

    // Closing with or without a value; both destroy the pop-up. Derived
    // pop-ups post their notification first and call the base last: the
    // object is gone once it returns.
    virtual void Accept() = 0;
    virtual void Cancel() = 0;

    // A window of the pop-up: the focus moving to it does not close the pop-up.
    void RegisterChild(HWND hWnd);
    BOOL IsOwnWindow(HWND hWnd) const;
    void DestroyChildren();

    // Post WM_POPUP_SELECTED or WM_POPUP_CANCELLED to the owner; at most one
    // notification leaves a pop-up, and none to an owner that is gone.
    void NotifySelected(CWnd* owner, WPARAM wParam, LPARAM lParam);
    void NotifyCancelled(CWnd* owner);

    HWND m_popupWindow;
    CArray<HWND, HWND> m_childWindows;
    CString m_className;
    CBrush m_backgroundBrush;
    BOOL m_closeOnFocusLoss;
    BOOL m_acceptOnFocusLoss;
    BOOL m_cancelled;
    BOOL m_accepted;
    BOOL m_notified;

private:
    void Notify(CWnd* owner, UINT message, WPARAM wParam, LPARAM lParam);
};
