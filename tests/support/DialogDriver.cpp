#include "support/DialogDriver.h"

#include <algorithm>
#include <utility>

namespace
{
    CDialogDriver* current = NULL;
}

CDialogDriver::CDialogDriver(std::function<void(HWND)> action) : m_action(std::move(action))
{
    current = this;
    m_hook = ::SetWindowsHookExA(WH_CBT, Hook, NULL, ::GetCurrentThreadId());
}

CDialogDriver::~CDialogDriver()
{
    ::UnhookWindowsHookEx(m_hook);
    if (m_timer != 0)
        ::KillTimer(NULL, m_timer);
    current = NULL;
}

LRESULT CALLBACK CDialogDriver::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    CDialogDriver* self = current;
    if (code == HCBT_ACTIVATE && self != NULL)
    {
        HWND window = (HWND)wParam;
        char className[32] = "";
        ::GetClassNameA(window, className, sizeof(className));
        if (std::string(className) == "#32770"
            && std::find(self->m_seen.begin(), self->m_seen.end(), window) == self->m_seen.end())
        {
            self->m_seen.push_back(window);
            self->m_pending.push_back(window);
            if (self->m_timer == 0)
                self->m_timer = ::SetTimer(NULL, 0, 20, OnTimer);
        }
    }
    return ::CallNextHookEx(NULL, code, wParam, lParam);
}

void CALLBACK CDialogDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    CDialogDriver* self = current;
    if (self == NULL)
        return;
    ::KillTimer(NULL, self->m_timer);
    self->m_timer = 0;
    std::vector<HWND> pending;
    pending.swap(self->m_pending);
    for (HWND window : pending)
    {
        if (!::IsWindow(window))
            continue;
        self->m_count++;
        try
        {
            self->m_action(window);
        }
        catch (...)
        {
            ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        }
    }
}

std::string CDialogDriver::ItemText(HWND dialog, int id)
{
    return WindowText(::GetDlgItem(dialog, id));
}

std::string CDialogDriver::WindowText(HWND window)
{
    char text[4096] = "";
    if (window != NULL)
        ::GetWindowTextA(window, text, sizeof(text));
    return text;
}

void CDialogDriver::Click(HWND dialog, int id)
{
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(dialog, id));
}

std::vector<int> CDialogDriver::ButtonIds(HWND dialog)
{
    std::vector<std::pair<int, int>> found;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != NULL; child = ::GetWindow(child, GW_HWNDNEXT))
    {
        char className[32] = "";
        ::GetClassNameA(child, className, sizeof(className));
        LONG type = ::GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
        if (_stricmp(className, "Button") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON))
        {
            RECT rect;
            ::GetWindowRect(child, &rect);
            found.push_back({rect.left, ::GetDlgCtrlID(child)});
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<int> ids;
    for (auto& item : found)
        ids.push_back(item.second);
    return ids;
}
