#include "application/config/GeneticsConfigDlg.h"

#include "application/config/ConfigDlgIds.h"
#include "framework/messages/PrivateMessages.h"
#include "application/config/ConfigInstaller.h"
#include "application/config/ConfigNotesText.h"
#include "framework/controls/MyComboBox.h"
#include "foundation/files/FileErrors.h"
#include "foundation/files/FileKinds.h"
#include "foundation/files/FileOperations.h"
#include "foundation/files/FindDataArray.h"
#include "foundation/files/PathText.h"
#include "foundation/text/TextEdits.h"
#include "framework/messages/MessageRoutines.h"
#include "framework/popups/ProgressWnd.h"
#include "genetics/GeneticsConfig.h"
#include "genetics/GeneticsConfigLoad.h"

BEGIN_MESSAGE_MAP(CGeneticsConfigDlg, CMyDialog)
    ON_LBN_SELCHANGE(IDC_CONFIG_LIST, OnSelChange)
    ON_LBN_DBLCLK(IDC_CONFIG_LIST, OnOK)
    ON_MESSAGE(WM_REPORT_CONFIG_ERRORS, OnReportErrors)
    ON_COMMAND(IDC_CONFIG_HELP, OnHelp)
END_MESSAGE_MAP()

CGeneticsConfigDlg::CGeneticsConfigDlg(CWnd* parent)
    : CMyDialog(IDD_GENETICS_CONFIG, parent), m_reporting(FALSE), m_updateLock(0)
{
}

void CGeneticsConfigDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    if (m_list.GetSafeHwnd() == NULL)
    {
        DDX_ControlWithFont(pDX, IDC_CONFIG_LIST, m_list);
        DDX_Control(pDX, IDC_CONFIG_COMMENTS, m_comments);
        DDX_Control(pDX, IDC_CONFIG_VERSION, m_version);
    }
}

BOOL CGeneticsConfigDlg::ScanConfigurations()
{
    const CString folder = GetStandardConfigFolder();
    if (!IsDirectory(folder))
        return TRUE;
    const CString extension = GetFileKindExtensions(GENETICS_CONFIG_FILE_KIND, TRUE);
    CString pattern;
    pattern.Format("%s\\*.%s", (LPCTSTR)folder, (LPCTSTR)extension);
    CFindDataArray matches;
    matches.AddMatchingFiles(pattern);
    // Three or more files: a progress window that can be cancelled; fewer:
    // the wait cursor.
    CProgressWnd progress;
    const BOOL showProgress = matches.m_nCount >= 3 &&
                              progress.Open(GetParent(), CProgressWnd::PROGRAM_ICON_ID, NULL,
                                            "Scanning standard genetic configurations...", 0x5E);
    if (showProgress)
        progress.SetProgress(0, matches.m_nCount);
    else
        AfxGetApp()->BeginWaitCursor();
    for (int i = 0; i < matches.m_nCount; i++)
    {
        const WIN32_FIND_DATAA& found = *matches.m_pData[i];
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        const CString name = found.cFileName;
        if (showProgress)
        {
            CString base;
            if (!SplitFileExtension(name, &base, NULL))
                base = name;
            progress.SetSubText("%s", (LPCTSTR)base);
            progress.SetProgress(i, matches.m_nCount);
            if (progress.m_cancelled)
            {
                progress.Close();
                return FALSE;
            }
        }
        // A file that cannot be read is skipped, and said so with the others
        // once the list shows: the advice that the reader's own message gives
        // (to click Configure...) would point at this very list.
        CStringArray lines;
        const CString path = JoinPath(folder, name);
        if (!ReadTextFile(path, GetFileKindFromName(name), lines, FALSE))
        {
            CString error = FormatFileError(FILE_ERROR_READ, path, GetFileKindFromName(name));
            error.TrimRight();
            m_errors.Add(error);
            continue;
        }
        CDWordArray numbers;
        numbers.SetSize(lines.GetSize());
        for (int line = 0; line < lines.GetSize(); line++)
            numbers[line] = (DWORD)(line + 1);
        CGeneticsConfig config;
        const CString error = config.Read(lines, numbers);
        if (!error.IsEmpty())
        {
            m_errors.Add(FormatStandardConfigError(name, error));
            continue;
        }
        m_fileNames.Add(name);
        m_descriptions.Add(config.GetDescription());
        m_versions.Add(config.GetVersion());
    }
    if (showProgress)
        progress.Close();
    else
        AfxGetApp()->EndWaitCursor();
    return TRUE;
}

BOOL CGeneticsConfigDlg::OnInitDialog()
{
    CMyDialog::OnInitDialog();
    if (!ScanConfigurations())
    {
        EndDialog(IDCANCEL);
        return FALSE;
    }
    const int count = (int)m_fileNames.GetSize();
    if (count == 0)
    {
        if (m_reporting)
        {
            OnReportErrors(0, 0);
            ShowError(NULL, 0, "Cannot find any genetic configurations.");
        }
        EndDialog(CONFIG_DLG_CLOSED_AT_OPENING);
        return FALSE;
    }
    if (count == 1 && !m_reporting)
    {
        CString description = m_descriptions[0];
        if (!description.IsEmpty() && isupper((unsigned char)description[0]))
            description.SetAt(0, (char)tolower((unsigned char)description[0]));
        CString sentence;
        sentence.Format("The genetics configuration is about to be set to %s", (LPCTSTR)description);
        MakeSentence(&sentence);
        ShowInformation(NULL, 0, "%s", (LPCTSTR)sentence);
        InstallConfiguration(m_fileNames[0]);
        EndDialog(CONFIG_DLG_CLOSED_AT_OPENING);
        return FALSE;
    }
    m_updateLock++;
    m_list.ResetContent();
    for (int i = 0; i < count; i++)
    {
        const CString& name = m_fileNames[i];
        const int item = m_list.AddString(name.Left(name.GetLength() > 4 ? name.GetLength() - 4 : 0));
        m_list.SetItemData(item, (DWORD_PTR)i);
    }
    m_list.SetCurSel(0);
    m_list.SetFocus();
    m_updateLock--;
    PostMessage(WM_REPORT_CONFIG_ERRORS);
    OnSelChange();
    return FALSE;
}

LRESULT CGeneticsConfigDlg::OnReportErrors(WPARAM, LPARAM)
{
    // Every file that was skipped, with the reason, in one message.
    if (m_reporting && m_errors.GetSize() > 0)
    {
        CString message;
        if (m_errors.GetSize() == 1)
            message = "A standard genetics configuration is skipped and not listed, because it cannot be used:";
        else
            message.Format("%d standard genetics configurations are skipped and not listed, because they cannot be "
                           "used:",
                           (int)m_errors.GetSize());
        for (int i = 0; i < m_errors.GetSize(); i++)
            message += "\n\n" + m_errors[i];
        ShowError(NULL, 0, "%s", (LPCTSTR)message);
    }
    return 1;
}

int CGeneticsConfigDlg::GetSelectedIndex()
{
    const int item = m_list.GetCurSel();
    return item == LB_ERR ? -1 : (int)m_list.GetItemData(item);
}

void CGeneticsConfigDlg::OnSelChange()
{
    if (m_updateLock != 0)
        return;
    m_updateLock++;
    int index = GetSelectedIndex();
    if (index < 0)
        index = 0;
    CString description = m_descriptions[index];
    MakeSentence(&description);
    m_comments.SetWindowText(description);
    m_version.SetWindowText(m_versions[index]);
    m_updateLock--;
}

void CGeneticsConfigDlg::OnHelp()
{
    AfxGetApp()->WinHelp(0, HELP_CONTEXT);
}

void CGeneticsConfigDlg::OnOK()
{
    // Nothing selected: nothing is installed and the list stays.
    const int index = GetSelectedIndex();
    if (index < 0)
        return;
    if (InstallConfiguration(m_fileNames[index]))
        CDialog::OnOK();
}

BOOL CGeneticsConfigDlg::InstallConfiguration(const CString& name)
{
    if (!InstallConfigurationFile(name))
        return FALSE;
    const int dot = name.Find('.');
    const CString shortName = dot >= 0 ? name.Left(dot) : name;
    CString title;
    title.Format("Genetics Configuration Notes - %s", (LPCTSTR)shortName);
    // The notes of the copy that was checked and installed: the file may have
    // changed since the list was made.
    ShowConfigNotes(this, title, shortName, CurrentGeneticsConfig->GetNotes());
    return TRUE;
}
