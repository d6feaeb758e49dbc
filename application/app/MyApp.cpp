#include "application/app/MyApp.h"

#include "application/app/AnimalTerms.h"
#include "application/app/AppGlobals.h"
#include "application/app/AppVersion.h"
#include "application/app/ApplicationHooks.h"
#include "application/app/FatalErrorHandler.h"
#include "application/app/MenuImageLinks.h"
#include "application/app/MyCommandLineInfo.h"
#include "application/app/Preferences.h"
#include "application/app/SpellingTerms.h"
#include "application/app/StartupPaths.h"
#include "application/commands/VisitWebSiteCommand.h"
#include "application/main/GeneticsMainDlg.h"
#include "foundation/files/FileOperations.h"
#include "foundation/files/PathText.h"
#include "foundation/files/ProgramFolder.h"
#include "foundation/settings/AppRegistryKey.h"
#include "foundation/settings/RegionalSettings.h"
#include "foundation/settings/ProfileExchange.h"
#include "foundation/settings/SettingsExchangers.h"
#include "foundation/terminology/TerminologySetup.h"
#include "foundation/values/DecimalTable.h"
#include "foundation/system/MemoryUsage.h"
#include "output/printing/PrinterAccess.h"
#include "foundation/windows/DialogMetrics.h"
#include "framework/app/SharedImageLists.h"
#include "framework/resources/CommandImagesIds.h"
#include "framework/messages/MessageRoutines.h"
#include "framework/app/Preferences.h"
#include "framework/lists/ListWindowExtents.h"
#include "framework/messages/MessagePrompts.h"
#include "framework/panes/PopupPane.h"
#include "genetics/ExpandTerms.h"
#include "output/printing/PrinterData.h"
#include "output/printing/PrinterPaperConfig.h"
#include "output/printing/PrinterDataCache.h"
#include "genetics/GeneticsConfigLoad.h"

#include <commctrl.h>
#include <malloc.h>
#include <shlwapi.h>

namespace
{
CMyCommandLineInfo CommandLine;

const char CompanyKey[] = "Mirolf Technologies Ltd";

const struct
{
    const char* key;
    const char* description;
    UINT style;
} StartupPrompts[] = {
    {"DisplaySizeWarning", "This is the warning about use of 800x600 display size.\nDisplay Size Warning", 0x30},
    {"BackupReminder", "This is the message reminding you to take regular backups\nBackup Reminder", 0x40},
    {"EmptyImportError", "This is the error message when an empty import file is seen\nEmpty Import Error Message", 0x40},
    {"RunHelpPrompt",
     "This is the message that is displayed during startup asking whether you want to display the help file\n"
     "Display Help Prompt",
     0x124},
};

const char ComCtlMessage[] =
    "Your system appears to have an out of date version of COMCTL32.DLL - a Windows system component that this "
    "software requires. You need to either install the 'Common Controls update', or Internet Explorer 4.01 or "
    "later, both of which are available from Microsoft. Once you have done this, reinstall Kestrova.\n\nIf you have "
    "the CD-ROM distribution of Kestrova you can install the Common Controls update directly from the CD. "
    "Alternatively you can download it from our website.\n\nContact us for further assistance if required.";

const char DisplaySizeMessage[] =
    "Kestrova requires a minimum display resolution of 800x600. Your computer is currently using %dx%d.\n\nWhen you "
    "click the OK button below Kestrova will exit.\n\nNOTE: You can normally adjust the screen resolution by using "
    "the Display option within the Windows Control Panel.\n\nPlease note also that if you use 800x600 you should "
    "also use the 'small fonts' setting. With a resolution greater than 800x600 the fonts size does not "
    "matter.\n\nOnce you have increased your display resolution you should reinstall Kestrova to continue.";

// The version of the common-controls library loaded into the process, as
// major << 16 | minor; 0 when it is not loaded.
DWORD GetComCtl32Version()
{
    HMODULE module = ::GetModuleHandleA("COMCTL32.DLL");
    if (module == NULL)
        return 0;
    typedef HRESULT(CALLBACK * GetVersionProc)(DLLVERSIONINFO*);
    GetVersionProc getVersion = reinterpret_cast<GetVersionProc>(::GetProcAddress(module, "DllGetVersion"));
    if (getVersion == NULL)
        return 0x40000;
    DLLVERSIONINFO info = {};
    info.cbSize = sizeof(info);
    if (FAILED(getVersion(&info)))
        return 0x40000;
    return (info.dwMajorVersion & 0xFFFF) << 16 | (info.dwMinorVersion & 0xFFFF);
}
}  // namespace

CMyApp* GetMyApp()
{
    return static_cast<CMyApp*>(AfxGetApp());
}

CMyApp::CMyApp() : m_version(AppVersionText)
{
    InstallFatalErrorFilter(FatalErrorHandler);
    // Before the framework initialises: its start-up sizes the terms map
    // through one of these hooks.
    InstallApplicationHooks();
}

// A process that outlives the object (a test program) gets its own fault
// handling back.
CMyApp::~CMyApp()
{
    RemoveFatalErrorFilter();
}

void CMyApp::SetAppName(LPCTSTR name)
{
    m_appName = name != NULL ? name : "";
    m_pszAppName = m_appName;
    AfxSetAppName(m_appName);
}

CString CMyApp::GetAppName() const
{
    return m_pszAppName != NULL ? CString(m_pszAppName) : CString();
}

BOOL CMyApp::InitStartup()
{
    ReportPrinterProblemsOnce = TRUE;
    DetectWindowsVersion();
    InitDecimalTable();
    InitProductTerms();

    // The full name comes from the product terms (no string resource: a third
    // string table among the layers' resources crashes the linker).
    SetAppName(ExpandTerms("~FullAppName~"));
    const CString profile = ExpandTerms("~AppDir~");
    SetRegistryKey(CompanyKey, profile);
    SetAppRegistryKey(CString("Software\\") + CompanyKey + "\\" + m_pszProfileName, HKEY_CURRENT_USER);

    int american = AmericanEnglish;
    ExchangeProfileInt(NULL, TRUE, "Preferences", "AmericanEnglish", IsNorthAmericanEnglish(), american, NULL);
    AmericanEnglish = american;
    RegisterSpellingTerms(AmericanEnglish);

    ProgramFolder = ProgramFolderOf(m_pszHelpFilePath);
    ProgramExeName = m_pszExeName;
    InitDefaultTerms();
    RegisterAnimalTerms();
    ErrorLogPath = ErrorLogPathOf(m_pszHelpFilePath);
    InitStartupValues();
    GetSharedImageLists().Build(IDB_COMMAND_IMAGES);

    if (!InitAppGlobals())
        return FALSE;
    if (!AfxOleInit())
    {
        AfxMessageBox("OLE initialization failed.  Make sure that the OLE libraries are the correct version.", MB_OK,
                      (UINT)-1);
        return FALSE;
    }
    if (GetComCtl32Version() <= 0x40047)
    {
        AfxMessageBox(ComCtlMessage, MB_OK, 0);
        return FALSE;
    }
    const int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
    if (width < 800 || height < 600)
    {
        CString text;
        text.Format(DisplaySizeMessage, width, height);
        AfxMessageBox(text, MB_OK, 0);
        return FALSE;
    }
    Enable3dControlsStatic();
    GetCheckBoxSize();

    ExchangePreferences(NULL, TRUE);
    RegisterSettingsExchanger(&ExchangeRememberedAnswers);
    RegisterSettingsExchanger(&ExchangeAllPreferences);
    RegisterSettingsExchanger(&ExchangeListWindowExtents);
    CallSettingsExchangers(TRUE);
    for (const auto& prompt : StartupPrompts)
        RegisterMessagePrompt(prompt.key, ExpandTerms(prompt.description), prompt.style, 0);
    RegisterMenuImageLinks();

    ParseCommandLine(CommandLine);
    CheckWindowsVersionSupported();
    if (!CommandLine.m_installMode)
        CheckDefaultPrinter();
    HelpFilePath = JoinPath(ProgramFolder, ProgramExeName + "-Help.chm");
    return TRUE;
}

void CMyApp::CheckDefaultPrinter()
{
    CString printer, port;
    if (GetDefaultPrinterInfo(NULL, &printer, &port))
        return;
    // Shown once per run; printing that later meets the same problem stays quiet.
    if (ShouldReportPrinterProblem())
        ShowError(NULL, 0,
                  "There does not appear to be a default printer set up on this system. Printing operations will "
                  "not be available.");
}

BOOL CMyApp::InitInstance()
{
    if (!InitStartup())
        return FALSE;
    if (CommandLine.m_installMode)
        RunInstallation();
    RunMainDialog();
    return FALSE;
}

void CMyApp::RunInstallation()
{
    CPrinterPaperConfig configuration;
    configuration.Reset();
    CPrinterData printer;
    if (!printer.CreateForConfig(configuration, 0).IsEmpty())
        ShowError(NULL, 0,
                  "Your computer either does not have a printer set up, or there is a problem accessing it.\n\n"
                  "Print operations will be unavailable.");
    const char title[] = "Kestrova for Vodi 2";
    const CString format = ExpandTerms("%s is installed and its settings are stored for this user.\n\n"
                                       "Start %s from the Start menu whenever you want to plan a mating.");
    ShowInformation(NULL, 0, format, title, title);
    CallSettingsExchangers(FALSE);
    SettingsChangedFlag = FALSE;
    ::ExitProcess(0);
}

void CMyApp::RunMainDialog()
{
    CGeneticsMainDlg dialog(NULL);
    m_pMainWnd = &dialog;
    if (AskYesNoDefaultNo("RunHelpPrompt", 0, "%s",
                          (LPCTSTR)ExpandTerms("Would you like to display the Help file to get you started with "
                                               "~AppName~?\n\nNOTE: We strongly recommend this if this is the first "
                                               "time you have used the program.")))
        dialog.m_runner.m_openHelpAtStart = TRUE;
    dialog.DoModal();
    SaveChangedSettings(FALSE);
    m_pMainWnd = NULL;
}

int CMyApp::ExitInstance()
{
    ExitGenetics();
    ReleaseAppGlobals();
    GetSharedImageLists().Release();
    GetListWindowExtents().RemoveAll();
    return CFrameworkApp::ExitInstance();
}

BOOL CMyApp::PreTranslateMessage(MSG* msg)
{
    if (DismissPopupOnInput(msg))
        return TRUE;
    // The Delete key within the main window becomes the delete command when
    // the main window has a handler for it; otherwise the key reaches the
    // focused control, so that Delete deletes in an edit.
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_DELETE)
    {
        HWND focus = ::GetFocus();
        CWnd* main = GetMainWnd();
        const UINT command = ::GetKeyState(VK_SHIFT) < 0 ? 33216 : 33215;
        AFX_CMDHANDLERINFO handler = {};
        if (focus != NULL && ::GetDlgCtrlID(focus) != 40042 && main != NULL &&
            (main->GetSafeHwnd() == focus || ::IsChild(main->GetSafeHwnd(), focus)) &&
            main->OnCmdMsg(command, CN_COMMAND, NULL, &handler))
        {
            main->PostMessage(WM_COMMAND, command, 0);
            return TRUE;
        }
    }
    return CFrameworkApp::PreTranslateMessage(msg);
}

BOOL CMyApp::IsIdleMessage(MSG* msg)
{
    if (!CFrameworkApp::IsIdleMessage(msg))
        return FALSE;
    return !((msg->message >= 0x200 && msg->message <= 0x209) || (msg->message >= 0xA0 && msg->message <= 0xA9));
}

BOOL CMyApp::OnIdle(LONG count)
{
    const BOOL more = CFrameworkApp::OnIdle(count);
    if (!more && _heapchk() != _HEAPOK)
        ::DebugBreak();
    return more;
}

void CMyApp::WinHelp(DWORD_PTR, UINT)
{
    if (IsNormalFile(HelpFilePath))
    {
        typedef HWND(WINAPI * HtmlHelpProc)(HWND, LPCSTR, UINT, DWORD_PTR);
        HMODULE module = ::LoadLibraryA("hhctrl.ocx");
        HtmlHelpProc htmlHelp = module != NULL ? reinterpret_cast<HtmlHelpProc>(::GetProcAddress(module, "HtmlHelpA"))
                                               : NULL;
        if (htmlHelp != NULL)
            htmlHelp(NULL, HelpFilePath, 0 /* HH_DISPLAY_TOPIC */, 0);
        return;
    }
    CString name;
    if (!SplitPath(HelpFilePath, NULL, &name))
        name = HelpFilePath;
    ShowError(NULL, 0, "%s", (LPCTSTR)MissingHelpFileMessage(name));
}

CString MissingHelpFileMessage(LPCTSTR fileName)
{
    CString text;
    // The address is the one the Visit Web Site command opens.
    text.Format(ExpandTerms("~AppName~ cannot locate the help file:\n- %s.\n\nThis can happen if you downloaded "
                            "~AppName~ from our web site but you didn't download/install the help file. Please "
                            "revisit %s to obtain the help file, install it, then restart ~AppName~."),
                fileName, (LPCTSTR)CVisitWebSiteCommand::GetAddress());
    return text;
}

CString CMyApp::GetAboutHeading() const
{
    CString heading = GetAppName() + ", v" + m_version;
    if (AppBuildText[0] != '\0')
        heading += CString(" ") + AppBuildText;
    return heading;
}

CString CMyApp::BuildAboutText() const
{
    CString text = GetAboutHeading() + "\n";
    text += "Copyright (c) 2005-2026 Mirolf Technologies Ltd\n";
    text += "All Rights Reserved.\n\n";
    CString memory;
    // Short lines: the logo takes the right-hand side of the window.
    memory.Format("%s predicts the puppies of a mating\nfrom the genetics configuration of the breed.\n"
                  "This computer has %u MB of memory.",
                  (LPCTSTR)GetAppName(), (unsigned)GetPhysicalMemoryMB());
    text += memory;
    const CString usage = GetMemoryUsageText();
    if (!usage.IsEmpty())
        text += "\n" + usage;
    return text;
}
