#include "framework/controls/MyToolTipCtrl.h"

#include "framework/app/Preferences.h"
#include "framework/popups/TextPopup.h"
#include "framework/windows/WorkArea.h"
#include "foundation/terminology/FrameworkTextHooks.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CMyToolTipCtrl, CToolTipCtrl)

namespace
{
    std::vector<CMyToolTipCtrl*>& LiveToolTips()
    {
        static std::vector<CMyToolTipCtrl*> list;
        return list;
    }
}

void UpdateAllToolTips()
{
    for (CMyToolTipCtrl* toolTip : LiveToolTips())
        toolTip->UpdateActivation();
}

CMyToolTipCtrl::CMyToolTipCtrl() : m_parent(NULL), m_active(FALSE)
{
    LiveToolTips().push_back(this);
}

CMyToolTipCtrl::~CMyToolTipCtrl()
{
    std::vector<CMyToolTipCtrl*>& list = LiveToolTips();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

CString CMyToolTipCtrl::FirstLine(const CString& text)
{
    int end = text.Find('\r');
    if (end < 0)
        end = text.Find('\n');
    return end < 0 ? text : text.Left(end);
}

BOOL CMyToolTipCtrl::EnsureCreated()
{
    if (m_hWnd != NULL)
        return TRUE;
    if (m_parent == NULL || !Create(m_parent, TTS_NOPREFIX))
        return FALSE;
    SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), 0);
    SetMaxTipWidth(GetDesktopWorkArea().Width() / 3);
    SetDelayTime(TTDT_AUTOPOP, 30000);
    UpdateActivation();
    return TRUE;
}

void CMyToolTipCtrl::UpdateActivation()
{
    m_active = ToolTipsEnabled;
    if (m_hWnd != NULL)
        Activate(m_active);
}

void CMyToolTipCtrl::StoreTip(HWND window, const CString& expanded)
{
    m_tips[window] = expanded;
}

void CMyToolTipCtrl::SetTip(CWnd* window, LPCTSTR text)
{
    if (window == NULL || window->m_hWnd == NULL)
        return;
    if (text == LPSTR_TEXTCALLBACKA)
    {
        if (EnsureCreated())
            AddTool(window, LPSTR_TEXTCALLBACKA);
        return;
    }
    if (text == NULL || *text == 0 || !EnsureCreated())
        return;
    CString expanded = ExpandFrameworkText(text);
    StoreTip(window->m_hWnd, expanded);
    AddTool(window, FirstLine(expanded));
}

void CMyToolTipCtrl::SetTipForHwnd(HWND window, LPCTSTR text)
{
    CWnd wrapper;
    wrapper.m_hWnd = window;
    SetTip(&wrapper, text);
    wrapper.m_hWnd = NULL;
}

void CMyToolTipCtrl::SetTipForDlgItem(CWnd* parent, int controlId, LPCTSTR text)
{
    HWND item = parent != NULL ? ::GetDlgItem(parent->m_hWnd, controlId) : NULL;
    if (item != NULL)
        SetTipForHwnd(item, text);
}

void CMyToolTipCtrl::UpdateTip(LPCTSTR text, CWnd* window)
{
    if (window == NULL || window->m_hWnd == NULL || text == NULL || *text == 0 || !EnsureCreated())
        return;
    CString expanded = ExpandFrameworkText(text);
    StoreTip(window->m_hWnd, expanded);
    UpdateTipText(FirstLine(expanded), window);
}

void CMyToolTipCtrl::AddTipParagraph(CWnd* window, LPCTSTR text)
{
    if (window == NULL || text == NULL || *text == 0 || !EnsureCreated())
        return;
    auto found = m_tips.find(window->m_hWnd);
    if (found == m_tips.end())
    {
        SetTipForHwnd(window->m_hWnd, text);
        return;
    }
    CString combined = found->second.IsEmpty() ? CString(text) : found->second + "\r\n\r\n" + text;
    UpdateTip(combined, window);
}

CString CMyToolTipCtrl::GetTipText(CWnd* window) const
{
    return window == NULL ? CString() : GetTipText(window->m_hWnd);
}

CString CMyToolTipCtrl::GetTipText(HWND window) const
{
    if (window == NULL || !::IsWindow(window))
        return CString();
    auto found = m_tips.find(window);
    return found == m_tips.end() ? CString() : found->second;
}

void CMyToolTipCtrl::DelTool(CWnd* window)
{
    if (window == NULL)
        return;
    m_tips.erase(window->m_hWnd);
    if (m_hWnd != NULL)
        CToolTipCtrl::DelTool(window);
}

void CMyToolTipCtrl::RelayEvent(MSG* msg)
{
    if (m_hWnd == NULL || msg == NULL)
        return;
    switch (msg->message)
    {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        break;
    default:
        return;
    }
    UpdateActivation();
    POINT screen = msg->pt;
    HWND target = (HWND)SendMessage(TTM_WINDOWFROMPOINT, 0, (LPARAM)&screen);
    if (target == NULL)
        target = msg->hwnd;
    MSG copy = *msg;
    POINT client = screen;
    ::ScreenToClient(target, &client);
    copy.hwnd = target;
    copy.lParam = MAKELPARAM(client.x, client.y);
    CToolTipCtrl::RelayEvent(&copy);
}

BOOL CMyToolTipCtrl::OnContextHelp(HELPINFO* info)
{
    if (info == NULL || info->iContextType != HELPINFO_WINDOW)
        return TRUE;
    CString text = GetTipText((HWND)info->hItemHandle);
    if (text.IsEmpty())
        ::MessageBeep(0);
    else
        CTextPopup::Open(info->MousePos, this, text);
    return TRUE;
}
