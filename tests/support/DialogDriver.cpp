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
            self->m_pending.push_back(Pending{window, 0});
            if (self->m_timer == 0)
                self->m_timer = ::SetTimer(NULL, 0, TickMilliseconds, OnTimer);
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
    std::vector<Pending> pending;
    pending.swap(self->m_pending);
    for (Pending& waiting : pending)
    {
        HWND window = waiting.window;
        if (!::IsWindow(window))
            continue;
        if (!IsReady(waiting))
        {
            self->m_pending.push_back(waiting);
            continue;
        }
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
    if (!self->m_pending.empty() && self->m_timer == 0)
        self->m_timer = ::SetTimer(NULL, 0, TickMilliseconds, OnTimer);
}

bool CDialogDriver::IsReady(Pending& waiting)
{
    // A modal loop that meets a tick already due (a slow machine) runs it
    // before its first idle time, in which it shows the dialog and updates its
    // controls: a dialog is handed over after one more tick has let the loop
    // go idle, once it is on screen. One that never shows is handed over late.
    ++waiting.ticks;
    const int ticksBeforeGivingUp = 5000 / TickMilliseconds;
    return (waiting.ticks >= 2 && ::IsWindowVisible(waiting.window)) || waiting.ticks > ticksBeforeGivingUp;
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

void CDialogDriver::ClickNow(HWND dialog, int id)
{
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(dialog, id));
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
