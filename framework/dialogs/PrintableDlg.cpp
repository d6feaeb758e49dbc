#include "framework/dialogs/PrintableDlg.h"
#include "framework/messages/PrivateMessages.h"

IMPLEMENT_DYNAMIC(CPrintableDlg, CMyDialog)

BEGIN_MESSAGE_MAP(CPrintableDlg, CMyDialog)
    ON_MESSAGE(WM_SETUP_PRINTER, OnSetupPrinter)
    ON_CBN_SELCHANGE(IDC_PRINT_CONFIGURATION, OnConfigurationChange)
END_MESSAGE_MAP()

namespace
{
    CPrintableDlgPrinting* installedPrinting = NULL;
}

void SetPrintableDlgPrinting(CPrintableDlgPrinting* printing)
{
    installedPrinting = printing;
}

CPrintableDlgPrinting* GetPrintableDlgPrinting()
{
    return installedPrinting;
}

const UINT CPrintableDlg::optionControlIds[7] = {IDC_PRINT_COPIES,  IDC_PRINT_PAGE_NUMBERS, IDC_PRINT_DATE_TIME,
                                                 IDC_PRINT_CONFIGURATION, IDC_PRINT_PRINTER, IDC_PRINT_TRAY,
                                                 IDC_PRINT_PAPER};

CPrintableDlg::CPrintableDlg(UINT templateId, CWnd* parent) : CMyDialog(templateId, parent)
{
    ResetPrintOptions();
    if (installedPrinting != NULL)
        m_printData.reset(installedPrinting->CreatePrintData(this));
}

CPrintableDlg::~CPrintableDlg() = default;

void CPrintableDlg::ResetPrintOptions()
{
    m_configurationName = "Default-Portrait";
    m_copies = 1;
    m_pageNumbers = TRUE;
    m_dateAndTime = TRUE;
    m_initialising = TRUE;
    for (BOOL& present : m_optionControlPresent)
        present = FALSE;
    m_printingAllowed = TRUE;
    m_printButtonId = IDOK;
    m_baseOptions = 2;
}

BOOL CPrintableDlg::OnInitDialog()
{
    // Printing options are not offered: every option control goes.
    for (int i = 0; i < 7; i++)
    {
        if (CWnd* control = GetDlgItem(optionControlIds[i]))
            control->DestroyWindow();
        m_optionControlPresent[i] = FALSE;
    }
    if (CWnd* unused = GetDlgItem(IDC_PRINT_UNUSED))
        unused->DestroyWindow();
    if (m_printButtonId != 0)
    {
        if (CWnd* button = GetDlgItem(m_printButtonId))
            button->DestroyWindow();
        m_printButtonId = 0;
    }
    m_initialising = TRUE;
    BOOL result = CMyDialog::OnInitDialog();
    m_initialising = FALSE;
    UpdatePrintControls();
    PostMessage(WM_SETUP_PRINTER);
    return result;
}

void CPrintableDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    if (m_optionControlPresent[0])
    {
        DDX_Text(pDX, IDC_PRINT_COPIES, m_copies);
        DDV_MinMaxInt(pDX, m_copies, 1, 99);
    }
    if (m_optionControlPresent[1])
    {
        int check = m_pageNumbers ? 1 : 0;
        DDX_Check(pDX, IDC_PRINT_PAGE_NUMBERS, check);
        m_pageNumbers = check != 0;
    }
    if (m_optionControlPresent[2])
    {
        int check = m_dateAndTime ? 1 : 0;
        DDX_Check(pDX, IDC_PRINT_DATE_TIME, check);
        m_dateAndTime = check != 0;
    }
}

void CPrintableDlg::UpdatePrintControls()
{
    for (int i = 0; i < 7; i++)
    {
        if (!m_optionControlPresent[i])
            continue;
        if (CWnd* control = GetDlgItem(optionControlIds[i]))
            control->EnableWindow(m_printingAllowed);
    }
    if (installedPrinting != NULL)
        installedPrinting->EnablePrintControls(this, m_printingAllowed);
    if (CWnd* unused = GetDlgItem(IDC_PRINT_UNUSED))
        unused->DestroyWindow();
    if (m_printButtonId != 0)
    {
        if (CWnd* button = GetDlgItem(m_printButtonId))
            button->EnableWindow(m_printerReady && m_printingAllowed);
    }
}

void CPrintableDlg::SetupPrinter(BOOL fromSelectionChange)
{
    if (installedPrinting != NULL)
        installedPrinting->SetupPrinter(this, fromSelectionChange);
}

BOOL CPrintableDlg::Print()
{
    return installedPrinting != NULL && installedPrinting->Print(this);
}

LRESULT CPrintableDlg::OnSetupPrinter(WPARAM, LPARAM)
{
    SetupPrinter(FALSE);
    return 1;
}

void CPrintableDlg::OnConfigurationChange()
{
    if (!m_initialising)
        SetupPrinter(TRUE);
}
