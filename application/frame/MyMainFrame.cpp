#include "application/frame/MyMainFrame.h"

#include "application/frame/MainFrameIds.h"
#include "foundation/settings/AppRegistryKey.h"
#include "foundation/settings/RegistryKey.h"
#include "foundation/settings/SettingsExchangers.h"
#include "foundation/windows/SystemColours.h"
#include "framework/messages/MessageRoutines.h"
#include "framework/menus/MenuCommandTexts.h"
#include "framework/menus/MenuImages.h"
#include "framework/menus/MyMenu.h"
#include "framework/values/TimeOfDay.h"
#include "framework/windows/WindowPosition.h"
#include "output/printing/PrinterDataCache.h"

BOOL MainFrameFirstActivation = TRUE;

namespace
{
const UINT Indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_CLOCK};
const DWORD StatusBarStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;
const UINT ClockTimerId = 1;
// Placement with its minimised and maximised state.
const int PlacementMode = 0;
}  // namespace

IMPLEMENT_DYNCREATE(CMyMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMyMainFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_CLOSE()
ON_MESSAGE(WM_QUERYENDSESSION, OnQueryEndSession)
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChange)
ON_WM_TIMER()
ON_WM_MENUCHAR()
ON_COMMAND(ID_HELP_FINDER, OnHelpFinder)
ON_COMMAND(ID_DEFAULT_HELP, OnHelpFinder)
ON_COMMAND(ID_HELP, OnHelp)
ON_COMMAND(ID_FRAME_NO_ACTION, OnNoAction)
ON_COMMAND(ID_FRAME_DEFERRED_MESSAGE, OnDeferredMessage)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_CLOCK, OnUpdateClock)
END_MESSAGE_MAP()

CMyMainFrame::CMyMainFrame() : m_profileName("FrameState_2.03")
{
}

CMyMainFrame::~CMyMainFrame()
{
}

BOOL CMyMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style &= ~FWS_PREFIXTITLE;
    return TRUE;
}

void CMyMainFrame::ActivateFrame(int nCmdShow)
{
    if (MainFrameFirstActivation)
    {
        MainFrameFirstActivation = FALSE;
        int showCommand = nCmdShow;
        if (m_keepPlacement && ExchangeWindowPlacement(FALSE, &showCommand))
            nCmdShow = showCommand;
    }
    CFrameWnd::ActivateFrame(nCmdShow);
}

BOOL CMyMainFrame::CanClose()
{
    // Saved without asking; settings that could not be written keep it open.
    return SaveChangedSettings(FALSE) && !SettingsChangedFlag;
}

BOOL CMyMainFrame::ExchangeWindowPlacement(BOOL save, int* showCommand)
{
    CRegistryKey key;
    if (!OpenRegistryKey("\\" + m_profileName, key, FALSE, KEY_ALL_ACCESS, 0, NULL, NULL))
        return FALSE;
    CWindowPosition placement;
    if (save)
        return placement.GetFromWindow(this, PlacementMode) && placement.ExchangeRegistry(TRUE, key, PlacementMode);
    if (!placement.ExchangeRegistry(FALSE, key, PlacementMode) || !placement.IsSet())
        return FALSE;
    const int shown = placement.ApplyToWindow(this, PlacementMode);
    if (showCommand != NULL && shown >= 0)
        *showCommand = shown;
    return TRUE;
}

void CMyMainFrame::QueueMessage(LPCTSTR promptName, LPCTSTR text)
{
    m_queuedPrompts.Add(promptName != NULL ? promptName : "");
    m_queuedTexts.Add(text != NULL ? text : "");
    if (m_queuedTexts.GetSize() == 1 && m_hWnd != NULL)
        PostMessage(WM_COMMAND, ID_FRAME_DEFERRED_MESSAGE);
}

int CMyMainFrame::OnCreate(LPCREATESTRUCT createStruct)
{
    // The toolbars that give menu items their images, and the menus whose
    // item texts name the commands.
    const UINT menuSources[][2] = {{104, 103}, {105, 105}, {106, 106}};
    for (const auto& source : menuSources)
    {
        AddMenuImageToolbar(source[0]);
        CollectMenuCommandTexts(source[1]);
    }
    if (CFrameWnd::OnCreate(createStruct) == -1)
        return -1;
    if (!m_statusBar.Create(this, StatusBarStyle, AFX_IDW_STATUS_BAR)
        || !m_statusBar.SetIndicators(Indicators, sizeof Indicators / sizeof Indicators[0]))
        return -1;
    m_statusBar.SetPaneInfo(0, ID_SEPARATOR, SBPS_NOBORDERS | SBPS_STRETCH, 0);
    EnableDocking(CBRS_ALIGN_ANY);
    LoadBarState(m_profileName);
    m_paletteHook.HookWindow(this);
    m_clockTimer = SetTimer(ClockTimerId, 1000, NULL);
    return 0;
}

void CMyMainFrame::OnDestroy()
{
    if (m_keepPlacement)
        ExchangeWindowPlacement(TRUE, NULL);
    if (m_clockTimer != 0)
    {
        KillTimer(m_clockTimer);
        m_clockTimer = 0;
    }
    m_paletteHook.HookWindow((HWND)NULL);
    CFrameWnd::OnDestroy();
}

void CMyMainFrame::OnClose()
{
    if (!CanClose())
        return;
    SaveBarState(m_profileName);
    CFrameWnd::OnClose();
}

LRESULT CMyMainFrame::OnQueryEndSession(WPARAM wParam, LPARAM lParam)
{
    if (!CanClose())
        return FALSE;
    return CFrameWnd::OnQueryEndSession(wParam, lParam);
}

LRESULT CMyMainFrame::OnSysColorChange(WPARAM, LPARAM)
{
    LoadSystemColours();
    return Default();
}

LRESULT CMyMainFrame::OnSettingChange(WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CFrameWnd::OnSettingChange(wParam, lParam);
    // Printer data are built again when next needed.
    FreePrinterDataCache();
    return result;
}

void CMyMainFrame::OnTimer(UINT)
{
    // The timer only wakes the idle update, which sets the clock.
}

LRESULT CMyMainFrame::OnMenuChar(UINT character, UINT flags, CMenu* menu)
{
    return AnswerMenuChar(this, character, flags, menu);
}

void CMyMainFrame::OnHelpFinder()
{
    CWinApp* app = AfxGetApp();
    if (app != NULL)
        app->WinHelp(0, HELP_FINDER);
}

void CMyMainFrame::OnNoAction()
{
}

void CMyMainFrame::OnDeferredMessage()
{
    if (m_queuedTexts.GetSize() == 0)
        return;
    const CString prompt = m_queuedPrompts[0];
    const CString text = m_queuedTexts[0];
    m_queuedPrompts.RemoveAt(0);
    m_queuedTexts.RemoveAt(0);
    if (!text.IsEmpty())
        ShowInformationWithPrint(prompt, 0, "%s", (LPCTSTR)text);
    // The next message follows once this one is closed.
    if (m_queuedTexts.GetSize() > 0 && m_hWnd != NULL)
        PostMessage(WM_COMMAND, ID_FRAME_DEFERRED_MESSAGE);
}

void CMyMainFrame::OnUpdateClock(CCmdUI* pCmdUI)
{
    CTimeOfDay now;
    now.SetToNow();
    pCmdUI->SetText(now.Format());
    pCmdUI->Enable(TRUE);
}
