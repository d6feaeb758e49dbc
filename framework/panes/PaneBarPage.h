#pragma once
// One page of a pane bar: a child window with a title and a tip. The bar
// does not own the window, except that a splitter window goes with its page.
#include "afx/app/AfxWin.h"

#include <memory>

class CPaneBarPage : public CObject
{
public:
    CPaneBarPage(CWnd* window, LPCTSTR title, LPCTSTR tipText);
    ~CPaneBarPage() override;

    CWnd* m_window;
    CString m_title;
    int m_position = -1;
    CString m_tipText;

private:
    // The window again when it is a splitter, which the page owns.
    std::unique_ptr<CWnd> m_ownedSplitter;
};
