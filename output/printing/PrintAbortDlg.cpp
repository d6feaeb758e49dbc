#include "output/printing/PrintAbortDlg.h"

#include "afx/core/CallbackBarrier.h"
#include "foundation/terminology/TokenExpander.h"
#include <commctrl.h>

#include "output/printing/PrintAbortIds.h"

CPrintAbortDlg* CPrintAbortDlg::Current = NULL;

CPrintAbortDlg::CPrintAbortDlg() : m_countLabels(FALSE), m_pagesOutput(0), m_labelsOutput(0), m_cancelled(FALSE)
{
    Current = this;
}

CPrintAbortDlg::~CPrintAbortDlg()
{
    if (m_hWnd != NULL)
        DestroyWindow();
    if (Current == this)
        Current = NULL;
}

BOOL CPrintAbortDlg::Open(CWnd* parent, LPCTSTR title, LPCTSTR printer, BOOL countLabels)
{
    m_countLabels = countLabels;
    if (!Create(countLabels ? IDD_PRINTING_LABELS : IDD_PRINTING, parent))
        return FALSE;
    if (CWnd* progress = GetDlgItem(IDC_PRINTING_PROGRESS))
    {
        progress->SendMessage(PBM_SETRANGE32, 0, 1);
        progress->SendMessage(PBM_SETPOS, 0, 0);
    }
    CString text;
    ExpandTokens(title, text);
    SetDlgItemText(IDC_PRINTING_JOB_TITLE, text);
    SetDlgItemText(IDC_PRINTING_PRINTER, printer);
    UpdateCountText();
    ShowWindow(SW_SHOW);
    UpdateWindow();
    return TRUE;
}

void CPrintAbortDlg::OnCancel()
{
    // Cancel only marks the job; the job ends it.
    m_cancelled = TRUE;
}

CString CPrintAbortDlg::GetCountText() const
{
    CString text;
    if (m_pagesOutput == 1)
        text = "1 page";
    else
        text.Format("%d page(s)", m_pagesOutput);
    if (m_countLabels)
    {
        CString labels;
        if (m_labelsOutput == 1)
            labels = ", 1 label";
        else
            labels.Format(", %d label(s)", m_labelsOutput);
        text += labels;
    }
    return text + " output";
}

void CPrintAbortDlg::UpdateCountText()
{
    if (m_hWnd != NULL)
        SetDlgItemText(IDC_PRINTING_COUNT, GetCountText());
}

void CPrintAbortDlg::SetPageCount(int pages)
{
    m_pagesOutput = pages;
    UpdateCountText();
}

void CPrintAbortDlg::SetLabelCount(int labels)
{
    m_labelsOutput = labels;
    UpdateCountText();
}

void CPrintAbortDlg::PumpMessages()
{
    MSG message;
    while (m_hWnd != NULL && !m_cancelled && ::PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
    {
        if (!::IsDialogMessageA(m_hWnd, &message))
        {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
}

BOOL CALLBACK PrintAbortProc(HDC dc, int code)
{
    return AfxCallbackBarrier<BOOL>(FALSE, [&]() -> BOOL {
        CPrintAbortDlg* dialog = CPrintAbortDlg::Current;
        if (dialog == NULL)
            return FALSE;
        if (!dialog->IsCancelled())
            dialog->PumpMessages();
        return !dialog->IsCancelled();
    });
}
