#pragma once
// A view that shows one text at its top-left corner and prints it.
#include "afx/app/AfxWin.h"
#include "afx/windows/View.h"

class CGenericTextView : public CView
{
    DECLARE_DYNCREATE(CGenericTextView)

public:
    CGenericTextView() : m_text("generic text") {}

    CString m_text;

    void OnDraw(CDC* pDC) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
};
