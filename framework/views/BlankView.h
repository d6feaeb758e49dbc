#pragma once
// A view that shows only the dialog background colour.
#include "afx/AfxWin.h"
#include "afx/View.h"

class CBlankView : public CView
{
    DECLARE_DYNCREATE(CBlankView)

public:
    void OnDraw(CDC* pDC) override {}

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
