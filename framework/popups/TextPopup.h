#pragma once
// The small window of context help: a word-wrapped text on the tooltip
// colours with an OK button under it, placed so that the button lies about
// under the point where help was asked for. It closes like every pop-up
// (focus loss, Enter, Esc, OK) and deletes itself with its window.
#include "framework/popups/PopupButton.h"
#include "framework/popups/PopupWnd.h"

class CTextPopup : public CPopupWnd
{
public:
    // Makes the window at once; a null text counts as empty.
    CTextPopup(POINT point, CWnd* owner, LPCTSTR text);

    // Opens a text pop-up; NULL (and nothing left behind) when its window
    // cannot be made.
    static CTextPopup* Open(POINT point, CWnd* owner, LPCTSTR text);

    // The window rectangle for a text of the given size (the wrapped text
    // and the OK button), before it is moved into the work area.
    static CRect CalcWindowRect(POINT point, CSize textSize, CSize buttonSize, CRect& textRect, CRect& buttonRect);
    // The width at which the text wraps on a screen of the given width.
    static int WrapWidth(int screenWidth);

    void Accept() override;
    void Cancel() override;

    CWnd* m_owner;
    CRect m_textRect;
    CString m_text;
    CRect m_buttonRect;
    CPopupButton m_okButton;

protected:
    afx_msg void OnPaint();
    afx_msg void OnOk();

    DECLARE_MESSAGE_MAP()
};
