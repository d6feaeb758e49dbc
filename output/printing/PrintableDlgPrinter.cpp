#include "output/printing/PrintableDlgPrinter.h"

#include "foundation/terminology/TokenExpander.h"
#include "framework/messages/MessageRoutines.h"
#include "framework/dialogs/PrintableDlg.h"
#include "output/printing/PrinterData.h"
#include "output/printing/PrinterDataCache.h"
#include "output/printing/PrinterPaperConfig.h"
#include "output/printing/TextPrintSource.h"
#include "output/text/RichTextLayout.h"

CNamedStringMap PrinterPaperConfigTexts;

namespace
{
// The print source of a dialog: the dialog's own text.
class CDialogTextSource : public CTextPrintSource
{
public:
    explicit CDialogTextSource(CPrintableDlg* dialog) : m_dialog(dialog) {}
    CString GetPrintText() override { return m_dialog->GetPrintText(); }

private:
    CPrintableDlg* m_dialog;
};

// What a dialog keeps for printing; gives its printer data back when the
// dialog goes.
class CDialogPrintState : public CPrintableDlgPrintData
{
public:
    explicit CDialogPrintState(CPrintableDlg* dialog) : m_source(dialog), m_printerData(NULL) {}
    ~CDialogPrintState() override { ReleasePrinterData(m_printerData); }

    CDialogTextSource m_source;
    CPrinterPaperConfig m_config;
    CPrinterData* m_printerData;
};

CDialogPrintState* StateOf(CPrintableDlg* dialog)
{
    return static_cast<CDialogPrintState*>(dialog->m_printData.get());
}

void SetItemText(CPrintableDlg* dialog, UINT id, LPCTSTR text)
{
    if (dialog->GetSafeHwnd() != NULL && dialog->GetDlgItem(id) != NULL)
        dialog->SetDlgItemText(id, text);
}

CPrintableDlgPrinter printer;
// Set while a printer problem is being shown, on every way out.
BOOL reportingPrinterProblem = FALSE;
struct CReportingPrinterProblem
{
    CReportingPrinterProblem() { reportingPrinterProblem = TRUE; }
    ~CReportingPrinterProblem() { reportingPrinterProblem = FALSE; }
};
} // namespace

void InstallPrintableDlgPrinting()
{
    SetPrintableDlgPrinting(&printer);
}

CPrintableDlgPrintData* CPrintableDlgPrinter::CreatePrintData(CPrintableDlg* dialog)
{
    return new CDialogPrintState(dialog);
}

void CPrintableDlgPrinter::SetupPrinter(CPrintableDlg* dialog, BOOL fromSelectionChange)
{
    CDialogPrintState* state = StateOf(dialog);
    if (state == NULL)
        return;
    ReleasePrinterData(state->m_printerData);
    state->m_printerData = NULL;
    dialog->m_printerReady = FALSE;
    for (UINT id : {IDC_PRINT_PRINTER, IDC_PRINT_TRAY, IDC_PRINT_PAPER})
        SetItemText(dialog, id, "");

    if (!state->m_config.LoadFromMap(PrinterPaperConfigTexts, dialog->m_configurationName))
        state->m_config.Reset();
    CString error;
    state->m_printerData = GetPrinterData(state->m_config, 0, &error);
    if (state->m_printerData != NULL)
    {
        SetItemText(dialog, IDC_PRINT_PRINTER, state->m_printerData->GetPrinterDescription());
        SetItemText(dialog, IDC_PRINT_TRAY, state->m_printerData->m_trayName);
        SetItemText(dialog, IDC_PRINT_PAPER, state->m_printerData->m_paperDescription);
        dialog->m_printerReady = TRUE;
    }
    else if (!reportingPrinterProblem && ShouldReportPrinterProblem())
    {
        // The message box is a printable dialog too: while it reports the
        // problem, its own set-up meets the same problem and must not report
        // it again, or every box opens another without end.
        CReportingPrinterProblem reporting;
        CString format;
        ExpandTokens("Error ~initialising~ printer '%s' - %s", format);
        ShowError(NULL, 0, format, (LPCTSTR)dialog->m_configurationName, (LPCTSTR)error);
    }

    if (dialog->m_printButtonId != 0 && dialog->GetSafeHwnd() != NULL)
        if (CWnd* button = dialog->GetDlgItem(dialog->m_printButtonId))
            button->EnableWindow(dialog->m_printerReady && dialog->m_printingAllowed);
}

BOOL CPrintableDlgPrinter::Print(CPrintableDlg* dialog)
{
    CDialogPrintState* state = StateOf(dialog);
    // Without printer data the job never reaches a device.
    if (state == NULL || state->m_printerData == NULL)
        return FALSE;
    DWORD options = dialog->m_baseOptions | (dialog->m_pageNumbers ? PRINT_PAGE_NUMBERS : 0) |
                    (dialog->m_dateAndTime ? PRINT_DATE_AND_TIME : 0);
    CString title = AfxGetApp() != NULL && AfxGetApp()->m_pszAppName != NULL ? AfxGetApp()->m_pszAppName : "";
    CString own = dialog->GetPrintTitle();
    if (!own.IsEmpty())
        title += " - " + own;
    return state->m_source.Print(&EmptyStyleMap, dialog, state->m_printerData, dialog->m_copies, title,
                                 dialog->GetPrintHeader1(), dialog->GetPrintHeader2(), dialog->GetPrintHeader3(),
                                 dialog->GetPrintFooter(), options, 0);
}
