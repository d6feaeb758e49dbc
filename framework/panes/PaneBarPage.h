#pragma once
// One page of a pane bar: a child window with a title and a tip. The bar
// does not own the window, except that a splitter window goes with its page.
#include "afx/app/AfxWin.h"

class CPaneBarPage : public CObject
{
public:
    CPaneBarPage(CWnd* window, LPCTSTR title, LPCTSTR tipText);
    ~CPaneBarPage() override;

    CWnd* m_window;
    CString m_title;
    int m_position = -1;
    CString m_tipText;
};
