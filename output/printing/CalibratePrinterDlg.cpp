#include "output/printing/CalibratePrinterDlg.h"

#include "foundation/terminology/TokenExpander.h"
#include "framework/messages/MessageRoutines.h"
#include "framework/messages/CommandObject.h"
#include "output/printing/PrinterData.h"
#include "output/printing/PrinterDataCache.h"
#include "output/printing/PrinterDialogIds.h"
#include "output/printing/PrinterMeasures.h"

namespace
{
class CPrintTestPageCommand : public CCommandObject
{
public:
    explicit CPrintTestPageCommand(CCalibratePrinterDlg* dialog)
        : CCommandObject(dialog, IDC_CALIBRATE_PRINT_TEST), m_dialog(dialog)
    {
    }
    int Execute() override { return m_dialog->PrintTestPage(); }

private:
    CCalibratePrinterDlg* m_dialog;
};

} // namespace

BEGIN_MESSAGE_MAP(CCalibratePrinterDlg, CMyDialog)
    ON_COMMAND(IDC_CALIBRATE_PRINT_TEST, OnPrintTestPage)
    ON_UPDATE_COMMAND_UI(IDC_CALIBRATE_PRINT_TEST, OnUpdatePrintTestPage)
END_MESSAGE_MAP()

CCalibratePrinterDlg::CCalibratePrinterDlg(CWnd* parent)
    : CMyDialog(IDD_CALIBRATE_PRINTER, parent), m_printerData(NULL)
{
}

CCalibratePrinterDlg::~CCalibratePrinterDlg()
{
    ReleasePrinterData(m_printerData);
}

BOOL CCalibratePrinterDlg::OnInitDialog()
{
    m_config.m_topMargin = m_config.m_leftMargin = m_config.m_bottomMargin = m_config.m_rightMargin = Inches(0);
    ReleasePrinterData(m_printerData);
    CString error;
    m_printerData = GetPrinterData(m_config, 0, &error);
    if (m_printerData == NULL)
    {
        if (ShouldReportPrinterProblem())
        {
            CString format;
            ExpandTokens("Error ~initialising~ printer '%s' - %s", format);
            ShowError(NULL, 0, format, (LPCTSTR)m_config.Describe(), (LPCTSTR)error);
        }
        EndDialog(3);
        return FALSE;
    }
    if (!m_config.m_calibrated)
    {
        m_config.m_leftGap = m_printerData->m_measuredLeftGap;
        m_config.m_topGap = m_printerData->m_measuredTopGap;
        m_config.m_rightGap = m_printerData->m_measuredRightGap;
        m_config.m_bottomGap = m_printerData->m_measuredBottomGap;
        m_config.m_calibrated = 1;
    }
    CString gaps;
    gaps.Format("left %s, top %s, right %s, bottom %s", (LPCTSTR)m_printerData->m_measuredLeftGap.FormatMeasurement(),
                (LPCTSTR)m_printerData->m_measuredTopGap.FormatMeasurement(),
                (LPCTSTR)m_printerData->m_measuredRightGap.FormatMeasurement(),
                (LPCTSTR)m_printerData->m_measuredBottomGap.FormatMeasurement());
    CString reported;
    GetDlgItemText(IDC_CALIBRATE_REPORTED, reported);
    CString text;
    text.Format(reported, (LPCTSTR)gaps);
    SetDlgItemText(IDC_CALIBRATE_REPORTED, text);
    return CMyDialog::OnInitDialog();
}

void CCalibratePrinterDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    DDX_PrinterInches(pDX, IDC_CALIBRATE_LEFT_GAP, m_config.m_leftGap);
    DDX_PrinterInches(pDX, IDC_CALIBRATE_TOP_GAP, m_config.m_topGap);
    DDX_PrinterInches(pDX, IDC_CALIBRATE_RIGHT_GAP, m_config.m_rightGap);
    DDX_PrinterInches(pDX, IDC_CALIBRATE_BOTTOM_GAP, m_config.m_bottomGap);
}

BOOL CCalibratePrinterDlg::PrintTestPage()
{
    return m_printerData != NULL && m_testPage.PrintOn(this, m_printerData);
}

void CCalibratePrinterDlg::OnPrintTestPage()
{
    CPrintTestPageCommand(this).Run();
}

void CCalibratePrinterDlg::OnUpdatePrintTestPage(CCmdUI* pCmdUI)
{
    CPrintTestPageCommand(this).UpdateCmdUI(pCmdUI);
}
