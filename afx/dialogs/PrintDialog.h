#pragma once
// The system's print dialog. The object owns what the dialog hands back:
// the printer's settings and the printer device context it made.
#include "afx/dialogs/Dialog.h"

#include <commdlg.h>

class CPrintDialog : public CDialog
{
    DECLARE_DYNAMIC(CPrintDialog)

public:
    CPrintDialog(BOOL bPrintSetupOnly,
                 DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE |
                                 PD_NOSELECTION,
                 CWnd* pParentWnd = NULL);
    ~CPrintDialog() override;

    PRINTDLGA m_pd;

    // IDOK when the user chose a printer, IDCANCEL otherwise (also when
    // there is no printer).
    INT_PTR DoModal() override;
    // The default printer without showing anything; FALSE when there is none.
    BOOL GetDefaults();
    // A device context for the chosen printer (made once, owned here); null
    // when there is none.
    HDC CreatePrinterDC();
    HDC GetPrinterDC() const { return m_pd.hDC; }
    CString GetDeviceName() const;
    int GetCopies() const;
    BOOL PrintAll() const { return (m_pd.Flags & (PD_PAGENUMS | PD_SELECTION)) == 0; }
    BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
    int GetFromPage() const { return PrintRange() ? m_pd.nFromPage : -1; }
    int GetToPage() const { return PrintRange() ? m_pd.nToPage : -1; }

private:
    BOOL Run(DWORD extraFlags);
    void Release();
};
