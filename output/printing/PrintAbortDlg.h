#pragma once
// The modeless "Printing" dialog of a print job: job title, printer, pages
// output and Cancel.
#include "afx/app/AfxWin.h"

class CPrintAbortDlg : public CDialog
{
public:
    CPrintAbortDlg();
    ~CPrintAbortDlg() override;

    // Creates and shows the dialog over the parent.
    BOOL Open(CWnd* parent, LPCTSTR title, LPCTSTR printer, BOOL countLabels);
    void SetPageCount(int pages);
    void SetLabelCount(int labels);
    // Dispatches the waiting messages, so that Cancel can be pressed.
    void PumpMessages();
    BOOL IsCancelled() const { return m_cancelled; }
    CString GetCountText() const;

    // The dialog that exists, if any.
    static CPrintAbortDlg* Current;

protected:
    void OnCancel() override;

private:
    void UpdateCountText();

    BOOL m_countLabels;
    int m_pagesOutput;
    int m_labelsOutput;
    BOOL m_cancelled;
};

// The abort procedure of print jobs: FALSE without a "Printing" dialog or
// once Cancel was pressed.
BOOL CALLBACK PrintAbortProc(HDC dc, int code);
