// CFrameWnd: only its runtime type is used (the search for the frame or
// dialog that owns a window); the program has no frames or views.
#pragma once

#include "afx/Wnd.h"

class CView;

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)

public:
    CFrameWnd() {}

    // The view that has the focus; there are no views.
    virtual CView* GetActiveView() const { return NULL; }
};
