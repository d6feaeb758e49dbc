#pragma once

#include "framework/controls/MyButton.h"

// The push button that pop-ups place inside themselves (owner-drawn, style
// BS_OWNERDRAW): a plain push-button frame with its text centred. It hands
// the focus back to its pop-up after a click and passes its focus loss on,
// so the pop-up keeps the keyboard and applies its own focus rule.
class CPopupButton : public CMyButton
{
public:
    void DrawItem(LPDRAWITEMSTRUCT item) override;

protected:
    afx_msg void OnKillFocus(CWnd* newWnd);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);

    DECLARE_MESSAGE_MAP()
};
