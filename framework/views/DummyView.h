#pragma once
// A placeholder view: an ellipse filling the view, its text, and the view's
// size in tenths of a millimetre.
#include "afx/app/AfxWin.h"
#include "afx/windows/View.h"

class CDummyView : public CView
{
    DECLARE_DYNCREATE(CDummyView)

public:
    CDummyView() : m_text("dummy view text not set") {}

    CString m_text;

    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL) override;
    void OnDraw(CDC* pDC) override;
    // The second line for a rectangle (logical units, y up) whose second line
    // stands at lineTop.
    static CString FormatSizeLine(const CRect& rect, int lineTop);
};
