#include "support/MessageBoxAnswerer.h"

namespace
{
CMessageBoxAnswerer* current = NULL;

std::string ClassOf(HWND window)
{
    char name[32] = "";
    ::GetClassNameA(window, name, sizeof(name));
    return name;
}

std::string TextOf(HWND window)
{
    std::string text(::GetWindowTextLengthA(window) + 1, '\0');
    text.resize(::GetWindowTextA(window, &text[0], (int)text.size()));
    return text;
}

// The message: the texts of the static controls that show text (not
// icons, frames or lines), in z-order.
std::string MessageOf(HWND box)
{
    std::string message;
    for (HWND child = ::GetWindow(box, GW_CHILD); child != NULL; child = ::GetWindow(child, GW_HWNDNEXT))
    {
        const DWORD type = (DWORD)::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK;
        const bool showsText =
            type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP;
        if (!showsText || _stricmp(ClassOf(child).c_str(), "Static") != 0)
            continue;
        const std::string text = TextOf(child);
        if (text.empty())
            continue;
        if (!message.empty())
            message += "\n";
        message += text;
    }
    return message;
}

HICON IconOf(HWND box)
{
    for (HWND child = ::GetWindow(box, GW_CHILD); child != NULL; child = ::GetWindow(child, GW_HWNDNEXT))
    {
        if ((::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            _stricmp(ClassOf(child).c_str(), "Static") == 0)
            return (HICON)::SendMessageA(child, STM_GETICON, 0, 0);
    }
    return NULL;
}

std::string ButtonsOf(HWND box)
{
    static const struct
    {
        int id;
        const char* name;
    } buttons[] = {{IDOK, "OK"},       {IDYES, "Yes"},       {IDNO, "No"},        {IDABORT, "Abort"},
                   {IDRETRY, "Retry"}, {IDIGNORE, "Ignore"}, {IDCANCEL, "Cancel"}};
    std::string names;
    for (const auto& button : buttons)
    {
        HWND control = ::GetDlgItem(box, button.id);
        if (control != NULL && (::GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0)
            names += button.name;
    }
    return names;
}
}

CMessageBoxAnswerer::CMessageBoxAnswerer(int answer) : m_answer(answer), m_previous(current)
{
    current = this;
    m_hook = ::SetWindowsHookExA(WH_CBT, Hook, NULL, ::GetCurrentThreadId());
}

CMessageBoxAnswerer::~CMessageBoxAnswerer()
{
    ::UnhookWindowsHookEx(m_hook);
    current = m_previous;
}

void CMessageBoxAnswerer::Answer(HWND box)
{
    m_texts.push_back(MessageOf(box));
    m_titles.push_back(TextOf(box));
    m_buttons.push_back(ButtonsOf(box));
    m_icons.push_back(IconOf(box));
    ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(m_answer, BN_CLICKED), 0);
}

LRESULT CALLBACK CMessageBoxAnswerer::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && current != NULL && ClassOf((HWND)wParam) == "#32770")
        current->Answer((HWND)wParam);
    return ::CallNextHookEx(NULL, code, wParam, lParam);
}
