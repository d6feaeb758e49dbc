#pragma once
// The properties dialog of a printer/paper configuration: the default or a
// specific printer with its driver settings, orientation, colour, margins,
// the smallest margins and calibration; or the margins alone.
#include <vector>

#include "framework/named/NamedObjectPropertiesDlg.h"
#include "output/printing/PrinterPaperConfig.h"

class CPrinterPaperConfigDlg : public CNamedObjectPropertiesDlg
{
public:
    CPrinterPaperConfigDlg(UINT templateId, CWnd* parent, CPrinterPaperConfig* object);
    ~CPrinterPaperConfigDlg() override;

    BOOL OnInitDialog() override;
    // Takes the printer chosen in the dialog and the orientation into the
    // edited configuration.
    void StorePrinterChoice();
    // The smallest margins the printer allows; 0 when it cannot be set up.
    int GetSmallestMargins(CDecimal* left, CDecimal* top, CDecimal* right, CDecimal* bottom);
    // Runs the calibration dialog; 1 when a calibration was accepted.
    int Calibrate();
    // The printer index of the list's selected line, -1 for none.
    int GetSelectedPrinter() const;
    BOOL IsSpecificPrinterChecked() const;
    // The device mode of a listed printer, fetched from the driver when the
    // dialog has none yet.
    HGLOBAL GetDevMode(int printer);
    void EnablePrinterList();
    void UseSmallestMargins();
    void SetupSelectedPrinter();

    CPrinterPaperConfig m_config;
    BOOL m_marginsOnly;
    CStringArray m_driverNames, m_printerNames, m_portNames;
    std::vector<HGLOBAL> m_devModes;
    CPrinterPaperConfig m_snapshot;
    BOOL m_calibratedHere;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnPrinterChoice();
    afx_msg void OnPrinterSetup();
    afx_msg void OnUpdatePrinterSetup(CCmdUI* pCmdUI);
    afx_msg void OnPrinterListDoubleClick();
    afx_msg void OnSmallestMargins();
    afx_msg void OnCalibrate();
    DECLARE_MESSAGE_MAP()
};
