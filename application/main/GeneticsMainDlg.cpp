#include "application/main/GeneticsMainDlg.h"

#include "application/about/AboutWnd.h"
#include "application/config/GeneticsConfigDlg.h"
#include "application/main/ConfigNotesCommand.h"
#include "application/main/ConfigureCommand.h"
#include "application/main/MainDlgIds.h"
#include "framework/resources/ProgramIconIds.h"
#include "application/main/PredictMatingCommand.h"
#include "application/main/SelectGenotypeCommand.h"
#include "application/report/MatingReport.h"
#include "application/viewer/TextViewerIds.h"
#include "foundation/files/FileOperations.h"
#include "foundation/text/Trim.h"
#include "foundation/system/WindowsVersionCode.h"
#include "framework/messages/MessageRoutines.h"
#include "genetics/ExpandTerms.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsConfigLoad.h"
#include "genetics/GeneticsSection.h"
#include "output/printing/PrinterDataCache.h"

#include <algorithm>

namespace
{
// Tool tips of the main dialog's controls.
const struct
{
    UINT id;
    const char* tip;
} MainDlgTips[] = {
    {IDC_MAIN_FEMALE_GENOTYPE,
     "Enter a ~genotype~ for a ~femaleanimal~ here. As you type the ~genotype~ in, ~AppName~ uses the current genetic "
     "configuration to compute the implied phenotype which is displayed below."},
    {IDC_MAIN_MALE_GENOTYPE,
     "Enter a ~genotype~ for a ~maleanimal~ here. As you type the ~genotype~ in, ~AppName~ uses the current genetic "
     "configuration to compute the implied phenotype which is displayed below."},
    {IDC_MAIN_CONFIGURE, "Click this button to select a genetics configuration for a particular breed."},
    {IDC_MAIN_PREDICT,
     "When you have entered valid male and female ~genotypes~ in the boxes, click this button to generate a "
     "prediction of the likely ~genotypes~ and phenotypes."},
    {IDC_MAIN_NOTES, "Display notes for the current genetic configuration."},
    {IDC_MAIN_FEMALE_SELECT,
     "Click this button to select the ~genotype~ of the ~femaleanimal~ in a 'friendly' way - i.e. as an alternative "
     "to simply keying in the ~genotype~. The window that is displayed here is entirely dependent upon the genetics "
     "configuration.\n\nNOTE: This button will be ~greyed~ out if the genetics configuration has not been set up to "
     "allow use of this feature."},
    {IDC_MAIN_MALE_SELECT,
     "Click this button to select the ~genotype~ of the ~maleanimal~ in a 'friendly' way - i.e. as an alternative "
     "to simply keying in the ~genotype~. The window that is displayed here is entirely dependent upon the genetics "
     "configuration.\n\nNOTE: This button will be ~greyed~ out if the genetics configuration has not been set up to "
     "allow use of this feature."},
};
}  // namespace

BEGIN_MESSAGE_MAP(CGeneticsMainDlg, CTextViewerDlg)
    ON_EN_CHANGE(IDC_MAIN_FEMALE_GENOTYPE, OnFemaleGenotypeChanged)
    ON_EN_CHANGE(IDC_MAIN_MALE_GENOTYPE, OnMaleGenotypeChanged)
    ON_BN_CLICKED(IDC_MAIN_SHOW_ASSUMED, OnShowAssumed)
    ON_COMMAND(IDC_MAIN_CONFIGURE, OnConfigure)
    ON_UPDATE_COMMAND_UI(IDC_MAIN_CONFIGURE, OnUpdateConfigure)
    ON_COMMAND(IDC_MAIN_PREDICT, OnPredictMating)
    ON_UPDATE_COMMAND_UI(IDC_MAIN_PREDICT, OnUpdatePredictMating)
    ON_COMMAND(IDC_MAIN_NOTES, OnConfigNotes)
    ON_UPDATE_COMMAND_UI(IDC_MAIN_NOTES, OnUpdateConfigNotes)
    ON_COMMAND(IDC_MAIN_FEMALE_SELECT, OnSelectFemale)
    ON_UPDATE_COMMAND_UI(IDC_MAIN_FEMALE_SELECT, OnUpdateSelectFemale)
    ON_COMMAND(IDC_MAIN_MALE_SELECT, OnSelectMale)
    ON_UPDATE_COMMAND_UI(IDC_MAIN_MALE_SELECT, OnUpdateSelectMale)
    ON_COMMAND(IDC_MAIN_HELP, OnHelp)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChange)
END_MESSAGE_MAP()

CGeneticsMainDlg::CGeneticsMainDlg(CWnd* parent)
    : CTextViewerDlg(VIEWER_CLOSE_BUTTON, parent, IDD_GENETICS_MAIN), m_showAssumed(0), m_updateLock(0)
{
    SetTitle("Kestrova");
    m_hIcon = AfxGetApp()->LoadIcon(IDI_PROGRAM);
    SetHeading("Predicted mating results:");
    m_valid[PARENT_FEMALE] = m_valid[PARENT_MALE] = 0;
}

INT_PTR CGeneticsMainDlg::DoModal()
{
    return CTextViewerDlg::DoModal();
}

CGeneticsSection* CGeneticsMainDlg::GetRulesSection()
{
    return CurrentGeneticsConfig != NULL ? CurrentGeneticsConfig->FindFirstRulesSection() : NULL;
}

void CGeneticsMainDlg::DoDataExchange(CDataExchange* pDX)
{
    CTextViewerDlg::DoDataExchange(pDX);
    if (m_showAssumedButton.GetSafeHwnd() == NULL)
        DDX_Control(pDX, IDC_MAIN_SHOW_ASSUMED, m_showAssumedButton);
}

CString CGeneticsMainDlg::GetToolTipText(UINT controlId, CWnd* control)
{
    for (const auto& tip : MainDlgTips)
    {
        if (tip.id == controlId)
            return ExpandTerms(tip.tip);
    }
    return CTextViewerDlg::GetToolTipText(controlId, control);
}

BOOL CGeneticsMainDlg::OnInitDialog()
{
    m_updateLock++;
    CMenu* systemMenu = GetSystemMenu(FALSE);
    if (systemMenu != NULL)
    {
        systemMenu->AppendMenu(MF_SEPARATOR);
        systemMenu->AppendMenu(MF_STRING, IDM_ABOUT_BOX, "About Kestrova...");
    }
    SendMessage(WM_SETICON, ICON_BIG, (LPARAM)m_hIcon);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)m_hIcon);

    BOOL report = TRUE;
    if (!CheckConfigAtStart(report))
    {
        EndDialog(IDCANCEL);
        return FALSE;
    }
    LoadGeneticsConfig(TRUE, report);
    const BOOL result = CTextViewerDlg::OnInitDialog();
    m_updateLock--;
    RefreshPhenotypes();
    if (CWnd* help = GetDlgItem(IDC_MAIN_HELP))
        help->ShowWindow(SW_SHOW);
    return result;
}

BOOL CGeneticsMainDlg::CheckConfigAtStart(BOOL& report)
{
    report = TRUE;
    CString path;
    GetGeneticsConfigPath(&path, NULL, NULL);
    if (IsNormalFile(path))
        return TRUE;
    CGeneticsConfigDlg dialog(NULL);
    const INT_PTR result = dialog.DoModal();
    LoadGeneticsConfig(TRUE, FALSE);
    if (result == IDCANCEL)
        return FALSE;
    if (!IsNormalFile(path))
    {
        ShowInformation(NULL, 0, "%s",
                        (LPCTSTR)ExpandTerms("The genetics configuration is not set up. Click the Configure button "
                                             "when the main window shows."));
        report = FALSE;
    }
    return TRUE;
}

BOOL CGeneticsMainDlg::PreTranslateMessage(MSG* msg)
{
    // Enter in a genotype edit would press the default Close button and
    // throw away what was typed: it does nothing there.
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN)
    {
        const HWND focus = ::GetFocus();
        if (focus != NULL && (focus == ::GetDlgItem(m_hWnd, IDC_MAIN_FEMALE_GENOTYPE) ||
                              focus == ::GetDlgItem(m_hWnd, IDC_MAIN_MALE_GENOTYPE)))
            return TRUE;
    }
    return CTextViewerDlg::PreTranslateMessage(msg);
}

void CGeneticsMainDlg::UpdatePhenotype(UINT editId, UINT outputId, int sex)
{
    // The output shows its final text only: setting a multi-line field's text
    // costs milliseconds (its scroll bar is updated), and this runs after
    // every keystroke, so the field is set once and not at all when its text
    // stays the same.
    HWND output = ::GetDlgItem(m_hWnd, outputId);
    m_phenotypeText[sex].Empty();
    m_assumedText[sex].Empty();
    GetDlgItemText(editId, m_genotypeText[sex]);
    TrimString(&m_genotypeText[sex]);

    CGeneticsSection* rules = GetRulesSection();
    CGeneticsSection* genes = rules != NULL ? rules->GetGenesSection() : NULL;
    if (genes == NULL)
    {
        m_valid[sex] = 0;
        AfxSetWindowText(output, "");
        return;
    }
    m_genotype[sex].RemoveAll();
    CString error;
    if (!m_genotypeText[sex].IsEmpty())
        error = m_genotype[sex].Parse(genes, m_genotypeText[sex], sex, 0);
    m_valid[sex] = error.IsEmpty();
    if (!m_valid[sex])
    {
        m_phenotypeText[sex].Format("** Error: %s **", (LPCTSTR)error);
        AfxSetWindowText(output, m_phenotypeText[sex]);
        return;
    }
    CGenotype completed;
    rules->AddAssumedAlleles(m_genotype[sex], sex, &completed);
    m_assumedText[sex] = completed.Format(genes, 0);
    CString sectionName;
    m_phenotypeText[sex] = genes->DeducePhenotype(m_genotype[sex], 1, &sectionName);
    if (m_phenotypeText[sex].IsEmpty())
        m_phenotypeText[sex] = "unknown";
    else if (sectionName != rules->m_strName)
        m_phenotypeText[sex] += " (" + sectionName + ")";
    CString text;
    text.Format("Computed ~phenotype~:\r\n%s", (LPCTSTR)m_phenotypeText[sex]);
    if (m_showAssumed && !m_assumedText[sex].IsEmpty())
        text += "\r\n\r\nAssumed ~genotype~:\r\n" + m_assumedText[sex];
    AfxSetWindowText(output, ExpandTerms(text));
}

void CGeneticsMainDlg::RefreshPhenotypes()
{
    if (m_updateLock != 0)
        return;
    OnFemaleGenotypeChanged();
    OnMaleGenotypeChanged();
}

void CGeneticsMainDlg::OnFemaleGenotypeChanged()
{
    if (m_updateLock == 0)
        UpdatePhenotype(IDC_MAIN_FEMALE_GENOTYPE, IDC_MAIN_FEMALE_PHENOTYPE, PARENT_FEMALE);
}

void CGeneticsMainDlg::OnMaleGenotypeChanged()
{
    if (m_updateLock == 0)
        UpdatePhenotype(IDC_MAIN_MALE_GENOTYPE, IDC_MAIN_MALE_PHENOTYPE, PARENT_MALE);
}

void CGeneticsMainDlg::OnShowAssumed()
{
    if (m_updateLock != 0)
        return;
    m_showAssumed = m_showAssumedButton.GetCheck() == BST_CHECKED;
    RefreshPhenotypes();
}

CString CGeneticsMainDlg::BuildReport()
{
    CGeneticsSection* rules = GetRulesSection();
    const MatingReportParent female = {m_genotypeText[PARENT_FEMALE], m_phenotypeText[PARENT_FEMALE],
                                       &m_genotype[PARENT_FEMALE]};
    const MatingReportParent male = {m_genotypeText[PARENT_MALE], m_phenotypeText[PARENT_MALE],
                                     &m_genotype[PARENT_MALE]};
    // The report pane takes no more than an edit control can hold.
    const UINT paneLimit = (UINT)std::min<unsigned long>(MAX_REPORT_LENGTH, GetMaxEditTextLength());
    return BuildMatingReport(*CurrentGeneticsConfig, rules, female, male, paneLimit);
}

void CGeneticsMainDlg::OnConfigure()
{
    CConfigureCommand(this).Run();
}

void CGeneticsMainDlg::OnUpdateConfigure(CCmdUI* pCmdUI)
{
    CConfigureCommand(this).UpdateCmdUI(pCmdUI);
}

void CGeneticsMainDlg::OnPredictMating()
{
    CPredictMatingCommand(this).Run();
}

void CGeneticsMainDlg::OnUpdatePredictMating(CCmdUI* pCmdUI)
{
    CPredictMatingCommand(this).UpdateCmdUI(pCmdUI);
}

void CGeneticsMainDlg::OnConfigNotes()
{
    CConfigNotesCommand(this).Run();
}

void CGeneticsMainDlg::OnUpdateConfigNotes(CCmdUI* pCmdUI)
{
    CConfigNotesCommand(this).UpdateCmdUI(pCmdUI);
}

void CGeneticsMainDlg::OnSelectFemale()
{
    CSelectGenotypeCommand(this, PARENT_FEMALE).Run();
}

void CGeneticsMainDlg::OnUpdateSelectFemale(CCmdUI* pCmdUI)
{
    CSelectGenotypeCommand(this, PARENT_FEMALE).UpdateCmdUI(pCmdUI);
}

void CGeneticsMainDlg::OnSelectMale()
{
    CSelectGenotypeCommand(this, PARENT_MALE).Run();
}

void CGeneticsMainDlg::OnUpdateSelectMale(CCmdUI* pCmdUI)
{
    CSelectGenotypeCommand(this, PARENT_MALE).UpdateCmdUI(pCmdUI);
}

void CGeneticsMainDlg::OnHelp()
{
    AfxGetApp()->WinHelp(0, HELP_CONTEXT);
}

void CGeneticsMainDlg::OnSysCommand(UINT id, LPARAM lParam)
{
    if ((id & 0xFFF0) == IDM_ABOUT_BOX)
        CAboutWnd::Run();
    else
        CTextViewerDlg::OnSysCommand(id, lParam);
}

void CGeneticsMainDlg::OnPaint()
{
    if (!IsIconic())
    {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, (WPARAM)dc.GetSafeHdc(), 0);
    CRect client;
    GetClientRect(&client);
    const int x = (client.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CGeneticsMainDlg::OnQueryDragIcon()
{
    return (HCURSOR)m_hIcon;
}

LRESULT CGeneticsMainDlg::OnSettingChange(WPARAM, LPARAM)
{
    LRESULT result = Default();
    FreePrinterDataCache();
    return result;
}
