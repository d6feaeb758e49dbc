#pragma once
// A pane that pops up over the main window until the user presses a key or a
// mouse button anywhere, or its timer runs out. While one is open it is the
// open pop-up pane, which the application's message pre-translation closes
// through DismissPopupOnInput.
#include "afx/app/AfxWin.h"

class CPopupPane : public CWnd
{
    DECLARE_DYNAMIC(CPopupPane)

public:
    CPopupPane();
    ~CPopupPane() override;

    // Creates the pane as a pop-up window at the screen rectangle; with a
    // positive time it closes itself after that many milliseconds.
    BOOL Create(const RECT& rect, CWnd* owner, UINT milliseconds);

    BOOL m_autoDelete = FALSE; // delete the object after its window

protected:
    void PostNcDestroy() override;
    afx_msg void OnTimer(UINT id);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

// The pop-up pane that is open, null when none.
CPopupPane* GetOpenPopupPane();

// Closes the open pop-up pane on a key or mouse-button press (and repaints
// the main window's active view at once); TRUE when the message closed it and is
// handled.
BOOL DismissPopupOnInput(MSG* msg);
