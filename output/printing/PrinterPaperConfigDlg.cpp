#include "output/printing/PrinterPaperConfigDlg.h"

#include <vector>

#include "foundation/windows/GlobalBlocks.h"
#include "output/printing/PrinterAccess.h"
#include "framework/messages/MessageRoutines.h"
#include "framework/messages/CommandObject.h"
#include "output/printing/CalibratePrinterDlg.h"
#include "output/printing/PrinterData.h"
#include "output/printing/PrinterDataCache.h"
#include "output/printing/PrinterDialogIds.h"
#include "output/printing/PrinterMeasures.h"

namespace
{
// The four commands of the dialog; each is built by its handler.
class CPrinterChoiceCommand : public CCommandObject
{
public:
    CPrinterChoiceCommand(CPrinterPaperConfigDlg* dialog, UINT id) : CCommandObject(dialog, id), m_dialog(dialog) {}
    int Execute() override
    {
        m_dialog->EnablePrinterList();
        return 1;
    }

private:
    CPrinterPaperConfigDlg* m_dialog;
};

class CPrinterSetupCommand : public CCommandObject
{
public:
    explicit CPrinterSetupCommand(CPrinterPaperConfigDlg* dialog)
        : CCommandObject(dialog, IDC_PRINTER_SETUP), m_dialog(dialog)
    {
    }
    BOOL IsEnabled() override
    {
        return CCommandObject::IsEnabled() && m_dialog->IsSpecificPrinterChecked() &&
               m_dialog->GetSelectedPrinter() >= 0;
    }
    int Execute() override
    {
        m_dialog->SetupSelectedPrinter();
        return 1;
    }

private:
    CPrinterPaperConfigDlg* m_dialog;
};

class CSmallestMarginsCommand : public CCommandObject
{
public:
    explicit CSmallestMarginsCommand(CPrinterPaperConfigDlg* dialog)
        : CCommandObject(dialog, IDC_SMALLEST_MARGINS), m_dialog(dialog)
    {
    }
    int Execute() override
    {
        m_dialog->UseSmallestMargins();
        return 1;
    }

private:
    CPrinterPaperConfigDlg* m_dialog;
};

class CCalibratePrinterCommand : public CCommandObject
{
public:
    explicit CCalibratePrinterCommand(CPrinterPaperConfigDlg* dialog)
        : CCommandObject(dialog, IDC_CALIBRATE_PRINTER), m_dialog(dialog)
    {
    }
    int Execute() override
    {
        m_dialog->StorePrinterChoice();
        return m_dialog->Calibrate();
    }

private:
    CPrinterPaperConfigDlg* m_dialog;
};

} // namespace

BEGIN_MESSAGE_MAP(CPrinterPaperConfigDlg, CNamedObjectPropertiesDlg)
    ON_BN_CLICKED(IDC_DEFAULT_PRINTER, OnPrinterChoice)
    ON_BN_CLICKED(IDC_SPECIFIC_PRINTER, OnPrinterChoice)
    ON_COMMAND(IDC_PRINTER_SETUP, OnPrinterSetup)
    ON_UPDATE_COMMAND_UI(IDC_PRINTER_SETUP, OnUpdatePrinterSetup)
    ON_LBN_DBLCLK(IDC_PRINTER_LIST, OnPrinterListDoubleClick)
    ON_COMMAND(IDC_SMALLEST_MARGINS, OnSmallestMargins)
    ON_COMMAND(IDC_CALIBRATE_PRINTER, OnCalibrate)
END_MESSAGE_MAP()

CPrinterPaperConfigDlg::CPrinterPaperConfigDlg(UINT templateId, CWnd* parent, CPrinterPaperConfig* object)
    : CNamedObjectPropertiesDlg(object, templateId, parent), m_marginsOnly(FALSE), m_calibratedHere(FALSE)
{
}

CPrinterPaperConfigDlg::~CPrinterPaperConfigDlg()
{
    for (HGLOBAL& block : m_devModes)
        FreeGlobalBlock(&block);
}

BOOL CPrinterPaperConfigDlg::IsSpecificPrinterChecked() const
{
    return !m_marginsOnly && IsDlgButtonChecked(IDC_SPECIFIC_PRINTER) == BST_CHECKED;
}

int CPrinterPaperConfigDlg::GetSelectedPrinter() const
{
    if (m_marginsOnly)
        return -1;
    HWND list = ::GetDlgItem(m_hWnd, IDC_PRINTER_LIST);
    int line = (int)::SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (line < 0)
        return -1;
    int printer = (int)::SendMessageA(list, LB_GETITEMDATA, line, 0);
    return printer >= 0 && printer < (int)m_devModes.size() ? printer : -1;
}

HGLOBAL CPrinterPaperConfigDlg::GetDevMode(int printer)
{
    if (m_devModes[printer] == NULL)
        m_devModes[printer] = GetPrinterDevMode(m_printerNames[printer]);
    return m_devModes[printer];
}

void CPrinterPaperConfigDlg::EnablePrinterList()
{
    if (CWnd* list = GetDlgItem(IDC_PRINTER_LIST))
        list->EnableWindow(IsSpecificPrinterChecked());
}

BOOL CPrinterPaperConfigDlg::OnInitDialog()
{
    m_marginsOnly = GetDlgItem(IDC_PRINTER_LIST) == NULL;
    CString defaultDriver, defaultName, defaultPort;
    if (!GetDefaultPrinterInfo(&defaultDriver, &defaultName, &defaultPort) || defaultName.IsEmpty())
    {
        if (ShouldReportPrinterProblem())
            ShowError(NULL, 0, "There does not appear to be a default printer configured for your computer");
        EndDialog(3);
        return FALSE;
    }
    DWORD needed = 0, count = 0;
    ::EnumPrintersA(PRINTER_ENUM_LOCAL, NULL, 2, NULL, 0, &needed, &count);
    std::vector<BYTE> buffer(needed > 0 ? needed : 1);
    if (needed > 0 && ::EnumPrintersA(PRINTER_ENUM_LOCAL, NULL, 2, buffer.data(), needed, &needed, &count))
    {
        const PRINTER_INFO_2A* printers = (const PRINTER_INFO_2A*)buffer.data();
        for (DWORD i = 0; i < count; ++i)
        {
            m_driverNames.Add(printers[i].pDriverName != NULL ? printers[i].pDriverName : "");
            m_printerNames.Add(printers[i].pPrinterName != NULL ? printers[i].pPrinterName : "");
            m_portNames.Add(printers[i].pPortName != NULL ? printers[i].pPortName : "");
        }
    }
    if (m_printerNames.GetSize() == 0)
    {
        ShowError(NULL, 0, "There do not appear to be any printers configured for your computer");
        EndDialog(3);
        return FALSE;
    }

    BOOL result = CNamedObjectPropertiesDlg::OnInitDialog();
    int match = -1;
    m_devModes.assign(m_printerNames.GetSize(), NULL);
    for (int i = 0; i < m_printerNames.GetSize(); ++i)
        if (m_printerNames[i] == m_config.m_printerName && m_portNames[i] == m_config.m_portName)
            match = i;

    if (!m_marginsOnly)
    {
        HWND list = ::GetDlgItem(m_hWnd, IDC_PRINTER_LIST);
        int tab = 0;
        for (int i = 0; i < m_printerNames.GetSize(); ++i)
        {
            CString description = GetPrinterDescription(m_printerNames[i], m_portNames[i]);
            int line = (int)::SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)(LPCTSTR)description);
            ::SendMessageA(list, LB_SETITEMDATA, line, i);
        }
        ::SendMessageA(list, LB_SETTABSTOPS, 1, (LPARAM)&tab);
        SetDlgItemText(IDC_DEFAULT_PRINTER_NAME, "Currently " + GetPrinterDescription(defaultName, defaultPort));
        CheckDlgButton(IDC_SPECIFIC_PRINTER, match >= 0 ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(IDC_DEFAULT_PRINTER, match >= 0 ? BST_UNCHECKED : BST_CHECKED);
        int selected = 0;
        if (match >= 0)
        {
            for (int line = 0; line < m_printerNames.GetSize(); ++line)
                if ((int)::SendMessageA(list, LB_GETITEMDATA, line, 0) == match)
                    selected = line;
            m_devModes[match] = CopyGlobalBlock(m_config.m_devMode);
        }
        ::SendMessageA(list, LB_SETCURSEL, selected, 0);
        EnablePrinterList();
    }

    if (!m_config.NamesPrinter() || match >= 0)
    {
        CString error;
        ReleasePrinterData(GetPrinterData(m_config, 0, &error));
        if (!error.IsEmpty())
        {
            if (m_config.NamesPrinter())
                ShowError(NULL, 0, "Error accessing printer '%s' on '%s': %s.", (LPCTSTR)m_config.m_printerName,
                          (LPCTSTR)m_config.m_portName, (LPCTSTR)error);
            else
                ShowError(NULL, 0, "Error accessing system default printer: %s.", (LPCTSTR)error);
        }
    }
    else
        ShowError(NULL, 0, "Printer '%s' on '%s' doesn't appear to be valid on this computer.\n\nReverting to "
                           "default printer.",
                  (LPCTSTR)m_config.m_printerName, (LPCTSTR)m_config.m_portName);
    return result;
}

void CPrinterPaperConfigDlg::DoDataExchange(CDataExchange* pDX)
{
    CNamedObjectPropertiesDlg::DoDataExchange(pDX);
    if (!m_marginsOnly)
    {
        int orientation = m_config.m_landscape ? 1 : 0;
        DDX_Radio(pDX, IDC_PORTRAIT, orientation);
        int colour = m_config.m_colourEnabled ? 1 : 0;
        DDX_Check(pDX, IDC_COLOUR_PRINTING, colour);
        m_config.m_colourEnabled = colour;
        if (!pDX->m_bSaveAndValidate)
        {
            GetDlgItem(IDC_PORTRAIT)->EnableWindow(m_config.m_orientationChangeable != 0);
            GetDlgItem(IDC_LANDSCAPE)->EnableWindow(m_config.m_orientationChangeable != 0);
        }
    }
    DDX_PrinterInches(pDX, IDC_MARGIN_TOP, m_config.m_topMargin);
    DDX_PrinterInches(pDX, IDC_MARGIN_BOTTOM, m_config.m_bottomMargin);
    DDX_PrinterInches(pDX, IDC_MARGIN_LEFT, m_config.m_leftMargin);
    DDX_PrinterInches(pDX, IDC_MARGIN_RIGHT, m_config.m_rightMargin);
    if (!pDX->m_bSaveAndValidate)
        return;

    StorePrinterChoice();
    bool calibratedForThese = m_calibratedHere && m_config.m_printerName == m_snapshot.m_printerName &&
                              m_config.m_portName == m_snapshot.m_portName &&
                              m_config.m_driverName == m_snapshot.m_driverName &&
                              CompareGlobalBlocks(m_config.m_devMode, m_snapshot.m_devMode) &&
                              FlagsAgree(m_config.m_landscape, m_snapshot.m_landscape);
    if (!calibratedForThese &&
        AskYesNoDefaultNo(NULL, 0,
                          "You have not calibrated the printer, or you have changed printer details since you last "
                          "did a calibration.\n\nIn order for achieved margins on the printed page to accurately "
                          "reflect those you have selected, it is wise to calibrate the printer.\n\nDo you want to "
                          "calibrate the printer now?") &&
        !Calibrate())
        pDX->Fail();
    CDecimal left(8), top(8), right(8), bottom(8);
    if (!GetSmallestMargins(&left, &top, &right, &bottom))
        pDX->Fail();
    if ((left.Compare(m_config.m_leftMargin) > 0 || top.Compare(m_config.m_topMargin) > 0 ||
         right.Compare(m_config.m_rightMargin) > 0 || bottom.Compare(m_config.m_bottomMargin) > 0) &&
        !AskYesNoDefaultNo(NULL, 0,
                           "One or more of the margins may result in an attempt to print beyond the printable area "
                           "of the page.\n\nDo you wish to continue anyway?"))
        pDX->Fail();
}

void CPrinterPaperConfigDlg::StorePrinterChoice()
{
    if (m_marginsOnly)
        return;
    int printer = IsSpecificPrinterChecked() ? GetSelectedPrinter() : -1;
    HGLOBAL devMode = printer >= 0 ? GetDevMode(printer) : NULL;
    if (printer >= 0 && devMode != NULL && !m_printerNames[printer].IsEmpty() && !m_portNames[printer].IsEmpty())
    {
        m_config.m_driverName = m_driverNames[printer];
        m_config.m_printerName = m_printerNames[printer];
        m_config.m_portName = m_portNames[printer];
        m_config.ReleaseDevMode();
        m_config.m_devMode = CopyGlobalBlock(devMode);
    }
    else
    {
        m_config.m_driverName.Empty();
        m_config.m_printerName.Empty();
        m_config.m_portName.Empty();
        m_config.ReleaseDevMode();
    }
    m_config.m_landscape = IsDlgButtonChecked(IDC_PORTRAIT) == BST_CHECKED ? 0 : 1;
}

int CPrinterPaperConfigDlg::GetSmallestMargins(CDecimal* left, CDecimal* top, CDecimal* right, CDecimal* bottom)
{
    CString error;
    CPrinterData* data = GetPrinterData(m_config, 0, &error);
    if (data == NULL)
    {
        ShowError(NULL, 0, "Unable to determine printer information: %s", (LPCTSTR)error);
        return 0;
    }
    *left = data->m_leftGap;
    *top = data->m_topGap;
    *right = data->m_rightGap;
    *bottom = data->m_bottomGap;
    ReleasePrinterData(data);
    return 1;
}

int CPrinterPaperConfigDlg::Calibrate()
{
    CCalibratePrinterDlg dialog(this);
    dialog.m_config.CopyFrom(m_config);
    dialog.m_config.m_kindCode = m_config.m_kindCode;
    if (dialog.DoModal() != IDOK)
        return 0;
    m_config.m_leftGap = dialog.m_config.m_leftGap;
    m_config.m_topGap = dialog.m_config.m_topGap;
    m_config.m_rightGap = dialog.m_config.m_rightGap;
    m_config.m_bottomGap = dialog.m_config.m_bottomGap;
    m_config.m_calibrated = 1;
    m_snapshot.CopyFrom(m_config);
    m_calibratedHere = TRUE;
    return 1;
}

void CPrinterPaperConfigDlg::UseSmallestMargins()
{
    StorePrinterChoice();
    CDecimal left(8), top(8), right(8), bottom(8);
    if (!GetSmallestMargins(&left, &top, &right, &bottom))
        return;
    SetDlgItemText(IDC_MARGIN_LEFT, left.FormatMeasurement());
    SetDlgItemText(IDC_MARGIN_TOP, top.FormatMeasurement());
    SetDlgItemText(IDC_MARGIN_RIGHT, right.FormatMeasurement());
    SetDlgItemText(IDC_MARGIN_BOTTOM, bottom.FormatMeasurement());
}

void CPrinterPaperConfigDlg::SetupSelectedPrinter()
{
    int printer = GetSelectedPrinter();
    if (printer < 0)
        return;
    HGLOBAL devMode = GetDevMode(printer);
    if (devMode == NULL)
    {
        ::MessageBeep(0xFFFFFFFF);
        return;
    }
    EditPrinterDevMode(m_hWnd, m_printerNames[printer], devMode);
}

void CPrinterPaperConfigDlg::OnPrinterChoice()
{
    CPrinterChoiceCommand(this, IDC_SPECIFIC_PRINTER).Run();
}

void CPrinterPaperConfigDlg::OnPrinterSetup()
{
    CPrinterSetupCommand(this).Run();
}

void CPrinterPaperConfigDlg::OnUpdatePrinterSetup(CCmdUI* pCmdUI)
{
    CPrinterSetupCommand(this).UpdateCmdUI(pCmdUI);
}

void CPrinterPaperConfigDlg::OnPrinterListDoubleClick()
{
    CPrinterSetupCommand(this).Run();
}

void CPrinterPaperConfigDlg::OnSmallestMargins()
{
    CSmallestMarginsCommand(this).Run();
}

void CPrinterPaperConfigDlg::OnCalibrate()
{
    CCalibratePrinterCommand(this).Run();
}
