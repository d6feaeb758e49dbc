#pragma once
// A dialog whose content can be printed as plain text. When it opens it
// removes the print-option controls of its template and, when it names one,
// its print button; its printing goes through the installed printing code.
#include "framework/dialogs/MyDialog.h"
#include "framework/dialogs/PrintableDlgIds.h"
#include "framework/dialogs/PrintableDlgPrinting.h"

#include <memory>

class CPrintableDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CPrintableDlg)

public:
    CPrintableDlg(UINT templateId, CWnd* parent);
    ~CPrintableDlg() override;

    void ResetPrintOptions();
    void UpdatePrintControls();
    // Sets the printer up through the printing code (nothing without it).
    void SetupPrinter(BOOL fromSelectionChange);
    // Prints the content; FALSE when nothing was printed or there is no printing.
    BOOL Print();

    virtual CString GetPrintTitle() { return CString(); }
    virtual CString GetPrintHeader1() { return CString(); }
    virtual CString GetPrintHeader2() { return CString(); }
    virtual CString GetPrintHeader3() { return CString(); }
    virtual CString GetPrintFooter() { return CString(); }
    virtual CString GetPrintText() = 0;

    BOOL OnInitDialog() override;

    // The option controls in the order of m_optionControlPresent.
    static const UINT optionControlIds[7];

    CString m_configurationName;          // printer/paper configuration used
    BOOL m_printerReady = FALSE;          // the last set-up found a printer
    std::unique_ptr<CPrintableDlgPrintData> m_printData;
    int m_copies;
    BOOL m_pageNumbers;
    BOOL m_dateAndTime;
    BOOL m_initialising;
    BOOL m_optionControlPresent[7];
    BOOL m_printingAllowed;
    UINT m_printButtonId;
    DWORD m_baseOptions;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg LRESULT OnSetupPrinter(WPARAM wParam, LPARAM lParam);
    afx_msg void OnConfigurationChange();

    DECLARE_MESSAGE_MAP()
};
