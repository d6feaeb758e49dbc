#pragma once
// A window that draws a content: on the screen when painted, and page by
// page on a printer. Views are made on the heap (through their runtime
// class) and delete themselves with their window.
#include "afx/windows/Wnd.h"

class CDC;
struct CPrintInfo;

// Print commands a view answers.
#define ID_FILE_PRINT         0xE107
#define ID_FILE_PRINT_DIRECT  0xE108

class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)

public:
    CView() {}

    // Creates the view as a child of the parent (a frame or splitter pane).
    BOOL Create(CWnd* pParentWnd, UINT nID, DWORD dwStyle = WS_CHILD | WS_VISIBLE);

    virtual void OnDraw(CDC* pDC) = 0;
    // Sets the device context up for drawing; while printing, a view may
    // clear pInfo->m_bContinuePrinting to end the run.
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL);
    // Sets the page range and asks for the printer; FALSE cancels the run.
    // The default asks as DoPreparePrinting does.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) {}
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) {}
    // The content changed: the default draws the view again.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);

    // Runs the print dialog (or takes the default printer for a direct run)
    // and makes the printer's device context; FALSE when there is no printer
    // or the user cancelled.
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    // Prints the pages from the prepared print information; FALSE when the
    // run failed or was cancelled.
    BOOL PrintPages(CPrintInfo* pInfo);

protected:
    void PostNcDestroy() override;

    afx_msg void OnPaint();
    afx_msg void OnFilePrint();
    afx_msg void OnFilePrintDirect();

    DECLARE_MESSAGE_MAP()
};
