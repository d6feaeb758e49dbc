#pragma once
// A view that defers laying out its content for a new size until the layout
// can be computed: the size is kept and applied at once when possible, else
// at the next idle update.
#include "afx/windows/View.h"

class CPaneView : public CView
{
    DECLARE_DYNAMIC(CPaneView)

public:
    CPaneView();

    CSize m_pendingSize;
    BOOL m_sizePending = FALSE;

    // Applies a pending size; TRUE when none is left pending.
    BOOL ApplyPendingSize();

protected:
    // The content's rectangle for the pending size; FALSE when it cannot be
    // computed yet.
    virtual BOOL ComputeLayoutRect(CRect& rect);
    // Lays the content out in the rectangle; FALSE when that failed.
    virtual BOOL ApplyLayout(const CRect& rect);

    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
