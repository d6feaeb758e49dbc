#include "afx/windows/View.h"
#include "afx/gdi/DC.h"
#include "afx/windows/MessageMap.h"
#include "afx/gdi/PaintDC.h"
#include "afx/dialogs/PrintInfo.h"
#include "afx/app/WinApp.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_PAINT()
    ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, OnFilePrintDirect)
END_MESSAGE_MAP()

BOOL CView::Create(CWnd* pParentWnd, UINT nID, DWORD dwStyle)
{
    LPCTSTR windowClass =
        AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    return CWnd::Create(windowClass, NULL, dwStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

void CView::PostNcDestroy()
{
    delete this;
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

void CView::OnPrepareDC(CDC*, CPrintInfo* pInfo)
{
    // A view that does not say how many pages it has prints one.
    if (pInfo != NULL && pInfo->GetMaxPage() == 0xFFFF)
        pInfo->m_bContinuePrinting = pInfo->m_nCurPage == 1;
}

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

void CView::OnPrint(CDC* pDC, CPrintInfo*)
{
    OnDraw(pDC);
}

void CView::OnUpdate(CView*, LPARAM, CObject*)
{
    Invalidate();
}

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    CPrintDialog* dialog = pInfo->m_pPD;
    dialog->m_pParentWnd = this;
    BOOL chosen = pInfo->m_bDirect || pInfo->m_bPreview ? dialog->GetDefaults() : dialog->DoModal() == IDOK;
    return chosen && dialog->CreatePrinterDC() != NULL;
}

BOOL CView::PrintPages(CPrintInfo* pInfo)
{
    HDC printer = pInfo->m_pPD->GetPrinterDC();
    if (printer == NULL)
        return FALSE;
    CDC dc;
    dc.Attach(printer);
    dc.m_bPrinting = TRUE;
    CString title;
    GetWindowText(title);
    DOCINFOA document;
    memset(&document, 0, sizeof(document));
    document.cbSize = sizeof(document);
    if (title.IsEmpty() && AfxGetApp() != NULL)
        title = AfxGetApp()->m_pszAppName;
    document.lpszDocName = title;
    BOOL printed = dc.StartDoc(&document) > 0;
    if (printed)
    {
        OnBeginPrinting(&dc, pInfo);
        for (UINT page = pInfo->GetFromPage(); page <= pInfo->GetToPage() && printed; ++page)
        {
            pInfo->m_nCurPage = page;
            OnPrepareDC(&dc, pInfo);
            if (!pInfo->m_bContinuePrinting)
                break;
            printed = dc.StartPage() > 0;
            if (!printed)
                break;
            // Starting a page may reset the device context's settings.
            OnPrepareDC(&dc, pInfo);
            pInfo->m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
            dc.DPtoLP(&pInfo->m_rectDraw);
            OnPrint(&dc, pInfo);
            printed = dc.EndPage() > 0;
        }
        OnEndPrinting(&dc, pInfo);
        if (printed)
            dc.EndDoc();
        else
            ::AbortDoc(dc.m_hDC);
    }
    dc.Detach();
    return printed;
}

void CView::OnFilePrint()
{
    CPrintInfo info;
    if (OnPreparePrinting(&info))
        PrintPages(&info);
}

void CView::OnFilePrintDirect()
{
    CPrintInfo info;
    info.m_bDirect = TRUE;
    if (OnPreparePrinting(&info))
        PrintPages(&info);
}
