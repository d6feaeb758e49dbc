#pragma once

#include "framework/popups/PopupRect.h"
#include "framework/popups/PopupTracker.h"
#include "framework/windows/ReleaseToWindow.h"

// The base of the drop-down pop-ups (calendar, colour palette, calculator,
// text): a small top-level window next to the control that opened it, which
// takes the focus and closes itself when the user picks a value, presses
// Enter or Esc, or moves the focus outside it. A pop-up is made with new and
// deletes itself when its window is gone; closing is safe from within the
// closing (the focus loss that a closing window suffers changes nothing).
class CPopupWnd : public CWnd, public CPopupTracker
{
    DECLARE_DYNAMIC(CPopupWnd)

public:
    CPopupWnd();
    ~CPopupWnd() override;

    // Sets the accepted flag and destroys the pop-up.
    void Accept() override;
    // Sets the cancelled flag and destroys the pop-up.
    void Cancel() override;

    // Creates the pop-up window (visible, bordered, no title) at the screen
    // rectangle with the owner as parent. FALSE when it cannot be made; the
    // creator then still owns the object.
    BOOL CreatePopupWindow(CWnd* owner, const RECT& rect);

    BOOL IsClosing() const { return m_closing; }

protected:
    void PostNcDestroy() override;

    afx_msg void OnNcDestroy() override;
    afx_msg void OnKillFocus(CWnd* newWnd);
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);

    DECLARE_MESSAGE_MAP()

private:
    void Close();

    BOOL m_closing;
};
