#pragma once
// A view that shows only the dialog background colour.
#include "afx/app/AfxWin.h"
#include "afx/windows/View.h"

class CBlankView : public CView
{
    DECLARE_DYNCREATE(CBlankView)

public:
    void OnDraw(CDC* pDC) override {}

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
