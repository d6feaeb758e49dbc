#pragma once
// What a view's printing knows about the print run: the print dialog (its
// page range and printer), whether it prints without asking, the current
// page and the area to draw in.
#include "afx/dialogs/PrintDialog.h"
#include "afx/gdi/Rect.h"

struct CPrintInfo
{
    CPrintInfo();
    ~CPrintInfo();

    CPrintDialog* m_pPD;        // owned
    BOOL m_bDirect;             // print on the default printer without the dialog
    BOOL m_bPreview;
    BOOL m_bContinuePrinting;   // cleared by OnPrepareDC to end the run
    UINT m_nCurPage;
    CRect m_rectDraw;           // the printable page, in logical units while printing
    LPVOID m_lpUserData;

    void SetMinPage(UINT nMinPage) { m_pPD->m_pd.nMinPage = (WORD)nMinPage; }
    void SetMaxPage(UINT nMaxPage) { m_pPD->m_pd.nMaxPage = (WORD)nMaxPage; }
    UINT GetMinPage() const { return m_pPD->m_pd.nMinPage; }
    UINT GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }
    // The range asked for, else the whole document.
    UINT GetFromPage() const;
    UINT GetToPage() const;

private:
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;
};
