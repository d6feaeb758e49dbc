#include "framework/dialogs/MyPropertySheet.h"

#include "foundation/windows/DialogMetrics.h"
#include "foundation/windows/WindowSize.h"
#include "framework/app/FrameworkApp.h"
#include "framework/controls/DefaultButtonLook.h"
#include "framework/dialogs/MyDialog.h"
#include "framework/dialogs/MyPropertyPage.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CMyPropertySheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CMyPropertySheet, CPropertySheet)
    ON_WM_CREATE()
    ON_WM_SYSCOMMAND()
    ON_MESSAGE(DM_SETDEFID, OnSetDefId)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
    ON_MESSAGE(WM_LAYOUT_PAGE, OnLayoutPage)
    ON_COMMAND(ID_SHOW_OPENING_MESSAGE, OnShowOpeningMessage)
END_MESSAGE_MAP()

CMyPropertySheet::CMyPropertySheet(LPCTSTR caption, CWnd* parent, UINT firstPage)
    : CPropertySheet(caption, CheckWndToDestroy(parent), firstPage), m_runner(this), m_destroyLink(this)
{
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
}

CMyPropertySheet::~CMyPropertySheet()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

INT_PTR CMyPropertySheet::DoModal()
{
    WndsToDestroyOnPropertySheet().DestroyAll();
    INT_PTR result = CPropertySheet::DoModal();
    if (result == ID_WIZFINISH && m_finishIsOk)
        result = IDOK;
    return result;
}

void CMyPropertySheet::AddPage(CPropertyPage* page)
{
    if (CMyPropertyPage* myPage = DYNAMIC_DOWNCAST(CMyPropertyPage, page))
        myPage->m_ownerSheet = this;
    if (m_keepOwnPages)
        m_ownPages.Add(page);
    CPropertySheet::AddPage(page);
}

void CMyPropertySheet::SetSmallIcon(UINT iconId)
{
    if (SetSmallTitleIcon(this, iconId, m_smallIcon))
        m_smallIconId = iconId;
}

int CMyPropertySheet::OnCreate(LPCREATESTRUCT)
{
    int result = (int)Default();
    if (m_centreOnParent)
        CenterWindow();
    if (!m_title.IsEmpty())
        SetWindowText(m_title);
    if (m_removeDialogFrame)
        ModifyStyle(WS_DLGFRAME, 0);
    return result;
}

BOOL CMyPropertySheet::OnInitDialog()
{
    BOOL result = CPropertySheet::OnInitDialog();
    m_runner.OnInitOwner();
    if ((GetStyle() & WS_CHILD) == 0)
    {
        for (int i = 0; i < GetPageCount(); i++)
        {
            CMyPropertyPage* page = DYNAMIC_DOWNCAST(CMyPropertyPage, GetPage(i));
            if (page != NULL && page->m_toolTip.GetSafeHwnd() != NULL && page->m_toolTip.GetToolCount() > 0)
            {
                ModifyStyleEx(0, WS_EX_CONTEXTHELP);
                break;
            }
        }
    }
    CFrameworkApp* app = GetFrameworkApp();
    if (m_smallIconId == 0 && app != NULL && app->m_defaultSheetIconId != 0)
        SetSmallIcon(app->m_defaultSheetIconId);
    if (m_fitToParent || m_sizeToPages)
        GrowToPages();
    return result;
}

namespace
{
// The tab control's frame around its display area as the control stands: its
// rows of tabs depend on its width.
CRect MeasureTabFrame(CWnd* tab)
{
    CRect client;
    tab->GetClientRect(&client);
    CRect display = client;
    tab->SendMessage(TCM_ADJUSTRECT, FALSE, (LPARAM)&display);
    return CRect(display.left - client.left, display.top - client.top, client.right - display.right,
                 client.bottom - display.bottom);
}
} // namespace

void CMyPropertySheet::GrowToPages()
{
    CWnd* tab = GetTabControl();
    if (tab == NULL)
        return;
    CSize sheet = GetWindowSize(this);
    CSize tabSize = GetWindowSize(tab);
    CRect frame = MeasureTabFrame(tab);
    int extraX = sheet.cx - tabSize.cx, extraY = sheet.cy - tabSize.cy;
    int pageWidth = tabSize.cx - frame.left - frame.right;
    m_largestPageWidth = std::max(m_largestPageWidth, pageWidth);
    if (m_fitToParent && GetParent() != NULL)
        m_fittedPageWidth = GetWindowSize(GetParent()).cx - extraX - frame.left - frame.right;
    int dx = std::max(0, std::max(m_fittedPageWidth, m_largestPageWidth) - pageWidth);
    if (dx != 0)
    {
        // A wider control may need fewer rows of tabs.
        tab->SetWindowPos(NULL, 0, 0, tabSize.cx + dx, tabSize.cy, SWP_NOMOVE | SWP_NOZORDER);
        frame = MeasureTabFrame(tab);
    }
    int pageHeight = tabSize.cy - frame.top - frame.bottom;
    m_largestPageHeight = std::max(m_largestPageHeight, pageHeight);
    if (m_fitToParent && GetParent() != NULL)
        m_fittedPageHeight = GetWindowSize(GetParent()).cy - extraY - frame.top - frame.bottom;
    int dy = std::max(0, std::max(m_fittedPageHeight, m_largestPageHeight) - pageHeight);

    CRect tabRect;
    tab->GetWindowRect(&tabRect);
    ScreenToClient(&tabRect);
    m_pageLeft = tabRect.left + frame.left;
    m_pageTop = tabRect.top + frame.top;
    if (dx == 0 && dy == 0)
        return;
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != NULL; child = ::GetWindow(child, GW_HWNDNEXT))
    {
        char className[32] = "";
        ::GetClassNameA(child, className, sizeof(className));
        CString name = className;
        name.MakeUpper();
        if (name.Find("BUTTON") < 0)
            continue;
        CRect rect;
        ::GetWindowRect(child, &rect);
        ScreenToClient(&rect);
        CRect moved = rect;
        moved.OffsetRect(dx, rect.top >= tabRect.bottom ? dy : 0);
        if (moved != rect)
            ::MoveWindow(child, moved.left, moved.top, moved.Width(), moved.Height(), TRUE);
    }
    tab->SetWindowPos(NULL, 0, 0, tabSize.cx + dx, tabSize.cy + dy, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(NULL, 0, 0, sheet.cx + dx, sheet.cy + dy, SWP_NOMOVE | SWP_NOZORDER);
    if (m_centreOnParent)
        CenterWindow();
    Invalidate();
    OnLayoutPage(0, 0);
}

LRESULT CMyPropertySheet::OnLayoutPage(WPARAM, LPARAM)
{
    if (!m_fitToParent && !m_sizeToPages)
        return 0;
    CPropertyPage* page = GetActivePage();
    if (page != NULL && page->GetSafeHwnd() != NULL)
        page->MoveWindow(m_pageLeft, m_pageTop, std::max(m_largestPageWidth, m_fittedPageWidth),
                         std::max(m_largestPageHeight, m_fittedPageHeight), TRUE);
    return 0;
}

BOOL CMyPropertySheet::TranslatePageKeys(const MSG* msg)
{
    CTabCtrl* tab = GetTabControl();
    if (tab == NULL)
        return FALSE;
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_TAB && ::GetKeyState(VK_CONTROL) < 0)
    {
        tab->SetFocus();
        int count = GetPageCount();
        if (count > 0)
        {
            int current = GetActiveIndex();
            SetActivePage(::GetKeyState(VK_SHIFT) < 0 ? (count + current - 1) % count : (current + 1) % count);
        }
        return TRUE;
    }
    if (msg->message == WM_SYSKEYDOWN && msg->wParam > 32 && ::GetKeyState(VK_SHIFT) < 0)
    {
        char mnemonic[3] = {'&', (char)msg->wParam, '\0'};
        for (int i = 0; i < GetPageCount(); i++)
        {
            char text[80] = "";
            TCITEMA item = {};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = sizeof(text);
            if (tab->SendMessage(TCM_GETITEMA, i, (LPARAM)&item) && strstr(text, mnemonic) != NULL)
            {
                SetActivePage(i);
                return TRUE;
            }
        }
    }
    return FALSE;
}

BOOL CMyPropertySheet::PreTranslateMessage(MSG* msg)
{
    if (m_runner.TranslateKeys(msg) || TranslatePageKeys(msg))
        return TRUE;
    return CPropertySheet::PreTranslateMessage(msg);
}

BOOL CMyPropertySheet::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* hdr = (NMHDR*)lParam;
    if ((m_fitToParent || m_sizeToPages) && hdr->code == TCN_SELCHANGE)
        PostMessage(WM_LAYOUT_PAGE);
    return CPropertySheet::OnNotify(wParam, lParam, pResult);
}

LRESULT CMyPropertySheet::OnKickIdle(WPARAM wParam, LPARAM lParam)
{
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != NULL; child = ::GetWindow(child, GW_HWNDNEXT))
        ::SendMessageA(child, WM_KICKIDLE, wParam, lParam);
    return 0;
}

void CMyPropertySheet::OnShowOpeningMessage()
{
    m_runner.ShowOpeningMessage();
}

LRESULT CMyPropertySheet::OnSetDefId(WPARAM, LPARAM)
{
    return SetDefaultButtonLook(this, [this] { return Default(); });
}

void CMyPropertySheet::OnSysCommand(UINT id, LPARAM)
{
    RunSysCommandCountingHelp(this, id);
}

void CMyPropertySheet::UpdateWizardButtons(CMyPropertyPage* page)
{
    DWORD buttons = page->CanGoNext() ? PSWIZB_NEXT : PSWIZB_FINISH;
    if (page->CanGoBack())
        buttons |= PSWIZB_BACK;
    PostMessage(PSM_SETWIZBUTTONS, 0, buttons);
}

int CMyPropertySheet::GetNextPage(CMyPropertyPage* page)
{
    if (m_sequences.empty())
        return 0;
    if (!page->ValidateForMove())
        return -1;
    while (!m_sequences.empty() && m_sequences.back().next >= (int)m_sequences.back().pages.size())
        m_sequences.pop_back();
    if (m_sequences.empty())
        return -1;
    CPageSequence& top = m_sequences.back();
    CMyPropertyPage* next = top.pages[top.next++];
    return (int)(UINT_PTR)next->m_psp.pszTemplate;
}

int CMyPropertySheet::GetPreviousPage(CMyPropertyPage* page)
{
    if (m_sequences.empty())
        return 0;
    if (!page->ValidateForMove())
        return -1;
    CPageSequence& top = m_sequences.back();
    if (top.next >= 2)
    {
        top.next--;
        return (int)(UINT_PTR)top.pages[top.next - 1]->m_psp.pszTemplate;
    }
    BOOL restart = top.restart;
    m_sequences.pop_back();
    if (m_sequences.empty())
        return -1;
    CPageSequence& previous = m_sequences.back();
    int j = previous.next;
    if (restart)
    {
        if (j >= (int)previous.pages.size())
            return -1;
        previous.next = j + 1;
        return (int)(UINT_PTR)previous.pages[j]->m_psp.pszTemplate;
    }
    if (j < 1)
        return -1;
    return (int)(UINT_PTR)previous.pages[j - 1]->m_psp.pszTemplate;
}
