#include "framework/dialogs/MyDialog.h"

#include "framework/controls/DefaultButtonLook.h"

#include "foundation/settings/AppRegistryKey.h"
#include "foundation/settings/RegistryKey.h"
#include "foundation/windows/WindowSize.h"
#include "framework/app/FrameworkApp.h"
#include "framework/app/SharedFonts.h"
#include "framework/menus/MyMenu.h"
#include "framework/windows/MyWnd.h"

#include <stdarg.h>

#include <algorithm>

using std::max;

IMPLEMENT_DYNAMIC(CMyDialog, CDialog)

BEGIN_MESSAGE_MAP(CMyDialog, CDialog)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_GETMINMAXINFO()
    ON_WM_CTLCOLOR()
    ON_WM_ERASEBKGND()
    ON_WM_HELPINFO()
    ON_WM_MENUCHAR()
    ON_MESSAGE(DM_SETDEFID, OnSetDefId)
    ON_WM_SYSCOMMAND()
    ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
    ON_COMMAND(ID_SHOW_OPENING_MESSAGE, OnShowOpeningMessage)
END_MESSAGE_MAP()

int ContextHelpDepth = 0;

void RunSysCommandCountingHelp(CWnd* wnd, UINT id)
{
    bool contextHelp = (id & 0xFFF0) == SC_CONTEXTHELP;
    if (contextHelp)
        ContextHelpDepth++;
    wnd->Default();
    if (contextHelp)
        ContextHelpDepth--;
}

BOOL SetSmallTitleIcon(CWnd* wnd, UINT iconId, COwnedIcon& held)
{
    if (iconId == 0)
        return FALSE;
    HICON icon = (HICON)::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(iconId), IMAGE_ICON, 16, 16, 0);
    if (icon == NULL)
        return FALSE;
    if (wnd->GetSafeHwnd() != NULL)
        wnd->SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)icon);
    held.Reset(icon);
    return TRUE;
}

CMyDialog::CMyDialog(UINT templateId, CWnd* parent)
    : CDialog(templateId, CheckWndToDestroy(parent)), m_runner(this), m_destroyLink(this)
{
    Construct();
    m_runner.LoadAccelerators(templateId);
}

CMyDialog::CMyDialog() : m_runner(this), m_destroyLink(this)
{
    Construct();
    m_modeless = TRUE;
}

void CMyDialog::Construct()
{
    m_colouredControls.m_owner = this;
    m_icon.m_owner = this;
    m_layout.m_owner = this;
    m_pictures.m_owner = this;
    CRect area = GetDesktopWorkArea();
    memset(&m_minMaxInfo, 0, sizeof(m_minMaxInfo));
    m_minMaxInfo.ptMaxSize = CPoint(area.Width(), area.Height());
    m_minMaxInfo.ptMaxTrackSize = m_minMaxInfo.ptMaxSize;
    m_minMaxInfo.ptMaxPosition = area.TopLeft();
}

CMyDialog::~CMyDialog()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

BOOL CMyDialog::UpdateDataWith(BOOL save, DWORD exchangeContext)
{
    m_exchangeContext = exchangeContext;
    BOOL result = UpdateData(save);
    m_exchangeContext = 0;
    return result;
}

void CMyDialog::UpdateControls()
{
    UpdateDialogControls(this, FALSE);
}

BOOL CMyDialog::ExchangePlacement(BOOL save)
{
    if (m_placementKey.IsEmpty())
        return FALSE;
    CRegistryKey key;
    if (!OpenRegistryKey(m_placementKey, key, FALSE, KEY_READ | KEY_WRITE, 0, NULL, NULL))
        return FALSE;
    if (save && !m_placement.GetFromWindow(this, m_placementMode))
        return FALSE;
    if (!m_placement.ExchangeRegistry(save, key, m_placementMode))
        return FALSE;
    if (!save)
        m_placement.ApplyToWindow(this, m_placementMode);
    return TRUE;
}

void CMyDialog::SetTitle(LPCTSTR format, ...)
{
    va_list args;
    va_start(args, format);
    m_title.FormatV(format, args);
    va_end(args);
    if (m_hWnd != NULL)
        SetWindowText(m_title);
}

CString& CMyDialog::GetTitle()
{
    if (m_hWnd != NULL)
        GetWindowText(m_title);
    return m_title;
}

void CMyDialog::SetSmallIcon(UINT iconId)
{
    if (SetSmallTitleIcon(this, iconId, m_smallIcon))
        m_smallIconId = iconId;
}

INT_PTR CMyDialog::DoModal()
{
    WndsToDestroyOnDialog().DestroyAll();
    return CDialog::DoModal();
}

void CMyDialog::PumpMessages()
{
    MSG msg;
    while (m_hWnd != NULL && ::IsWindow(m_hWnd) && !m_finished && ::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE))
    {
        CWinThread* thread = AfxGetThread();
        if (thread == NULL)
            break;
        if (!thread->PumpMessage())
        {
            m_finished = TRUE;
            m_cancelled = TRUE;
        }
    }
}

void CMyDialog::EnforceMinSize()
{
    CSize size = GetWindowSize(this);
    int width = max(size.cx, m_minMaxInfo.ptMinTrackSize.x);
    int height = max(size.cy, m_minMaxInfo.ptMinTrackSize.y);
    if (width != size.cx || height != size.cy)
        SetWindowPos(NULL, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CMyDialog::OnInitDialog()
{
    m_toolTip.m_parent = this;
    m_toolTip.EnsureCreated();
    m_pToolTip = &m_toolTip;
    BOOL result = CDialog::OnInitDialog();
    m_runner.OnInitOwner();
    m_layout.RecordInitialSize();
    CSize size = GetWindowSize(this);
    m_initialWidth = size.cx;
    m_initialHeight = size.cy;
    if ((GetStyle() & WS_CHILD) == 0 && m_toolTip.GetSafeHwnd() != NULL && m_toolTip.GetToolCount() > 0)
        ModifyStyleEx(0, WS_EX_CONTEXTHELP);
    CFrameworkApp* app = GetFrameworkApp();
    if (m_smallIconId == 0 && app != NULL && app->m_defaultDialogIconId != 0)
        SetSmallIcon(app->m_defaultDialogIconId);
    if (m_fitToParent)
        FitToParent();
    if (!ExchangePlacement(FALSE) && m_centreWhenNotPlaced)
        CenterWindow();
    m_icon.Load();
    if (GuiSmallFont.GetSafeHandle() != NULL)
    {
        for (UINT id : {IDC_SMALL_FONT_BUTTON1, IDC_SMALL_FONT_BUTTON2, IDC_SMALL_FONT_BUTTON3})
            SendDlgItemMessage(id, WM_SETFONT, (WPARAM)GuiSmallFont.GetSafeHandle(), TRUE);
    }
    return result;
}

void CMyDialog::FitToParent()
{
    CWnd* parent = GetParent();
    if (parent == NULL)
        return;
    CSize outer = GetWindowSize(this);
    CSize client = GetClientSize(this);
    CSize parentSize = GetWindowSize(parent);
    CRect rect;
    GetWindowRect(&rect);
    if (GetStyle() & WS_CHILD)
        parent->ScreenToClient(&rect);
    MoveWindow(rect.left, rect.top, max(outer.cx, parentSize.cx), max(outer.cy, parentSize.cy), FALSE);
    m_fittedClientWidth = parentSize.cx - (outer.cx - client.cx);
    m_fittedClientHeight = parentSize.cy - (outer.cy - client.cy);
}

void CMyDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    if (!m_titleApplied)
    {
        if (!m_title.IsEmpty())
            SetWindowText(m_title);
        m_titleApplied = TRUE;
    }
}

void CMyDialog::OnCancel()
{
    m_cancelled = TRUE;
    if (m_modeless)
        return;
    CDialog::OnCancel();
}

BOOL CMyDialog::PreTranslateMessage(MSG* msg)
{
    if (m_toolTip.GetSafeHwnd() != NULL)
        m_toolTip.RelayEvent(msg);
    if (m_runner.TranslateKeys(msg))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

BOOL CMyDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* hdr = (NMHDR*)lParam;
    if (m_toolTipText.Answer(hdr, [this](UINT id, CWnd* wnd) { return GetToolTipText(id, wnd); }))
    {
        *pResult = 0;
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, pResult);
}

int CMyDialog::OnCreate(LPCREATESTRUCT createStruct)
{
    int result = (int)Default();
    // Pictures with palettes keep their colours when the dialog is activated
    // or another window changes the system palette.
    if (result != -1)
        m_paletteHook.HookWindow(m_hWnd);
    return result;
}

void CMyDialog::OnDestroy()
{
    if (m_savePlacementOnDestroy)
        ExchangePlacement(TRUE);
    Default();
}

void CMyDialog::OnSize(UINT, int, int)
{
    Default();
    m_layout.Apply();
}

void CMyDialog::OnGetMinMaxInfo(MINMAXINFO* info)
{
    if (m_useMinMaxInfo)
        *info = m_minMaxInfo;
    else
        Default();
}

HBRUSH CMyDialog::OnCtlColor(CDC* dc, CWnd* control, UINT ctlColor)
{
    HBRUSH brush = (HBRUSH)Default();
    HBRUSH coloured = m_colouredControls.OnCtlColor(dc, control, ctlColor);
    return coloured != NULL ? coloured : brush;
}

LRESULT CMyDialog::OnCommandHelp(WPARAM wParam, LPARAM lParam)
{
    if (HandleCommandHelp(m_noHelp, m_helpContextId))
        return TRUE;
    return CDialog::OnCommandHelp(wParam, lParam);
}

LRESULT CMyDialog::OnKickIdle(WPARAM, LPARAM)
{
    UpdateControls();
    return 0;
}

void CMyDialog::OnShowOpeningMessage()
{
    m_runner.ShowOpeningMessage();
}

BOOL CMyDialog::OnEraseBkgnd(CDC* dc)
{
    if (m_pictures.DrawBackground(dc))
        return TRUE;
    return (BOOL)Default();
}

void CMyDialog::OnSysCommand(UINT id, LPARAM)
{
    RunSysCommandCountingHelp(this, id);
}

BOOL CMyDialog::OnHelpInfo(HELPINFO* info)
{
    if (ContextHelpDepth != 0 && m_toolTip.GetSafeHwnd() != NULL)
        return m_toolTip.OnContextHelp(info);
    return (BOOL)Default();
}

LRESULT CMyDialog::OnSetDefId(WPARAM wParam, LPARAM lParam)
{
    return SetDefaultButtonLook(this, [this] { return Default(); });
}

LRESULT CMyDialog::OnMenuChar(UINT character, UINT flags, CMenu* menu)
{
    return AnswerMenuChar(this, character, flags, menu);
}
