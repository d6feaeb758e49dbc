#pragma once
// The printer calibration dialog: shows the unprintable gaps the driver
// reports, prints a test page on which the user measures the real gaps, and
// takes the four measured gaps.
#include "framework/dialogs/MyDialog.h"
#include "output/printing/CalibrationTestPage.h"
#include "output/printing/PrinterPaperConfig.h"

class CPrinterData;

class CCalibratePrinterDlg : public CMyDialog
{
public:
    explicit CCalibratePrinterDlg(CWnd* parent);
    ~CCalibratePrinterDlg() override;

    BOOL OnInitDialog() override;
    // Prints the test page on the configuration's printer.
    BOOL PrintTestPage();

    CCalibrationTestPage m_testPage;
    CPrinterPaperConfig m_config;
    CPrinterData* m_printerData;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnPrintTestPage();
    afx_msg void OnUpdatePrintTestPage(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};
