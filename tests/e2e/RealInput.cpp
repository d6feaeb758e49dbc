#include "RealInput.h"

#include "support/MouseInput.h"

namespace e2e
{
void PressKey(WORD key)
{
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, input, sizeof(INPUT));
}

bool HasFocus(HWND window, int)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, NULL), &info) && info.hwndFocus == window &&
           info.hwndCapture == NULL;
}

void TypeUnicode(const wchar_t* text)
{
    for (const wchar_t* c = text; *c != 0; c++)
    {
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_KEYBOARD;
        input[0].ki.wScan = input[1].ki.wScan = *c;
        input[0].ki.dwFlags = KEYEVENTF_UNICODE;
        input[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        ::SendInput(2, input, sizeof(INPUT));
    }
}

void ClickInto(HWND window)
{
    RECT rect;
    ::GetWindowRect(window, &rect);
    ::SetForegroundWindow(::GetAncestor(window, GA_ROOT));
    ClickAt(POINT{rect.right - 4, (rect.top + rect.bottom) / 2});
}

void ClickAt(POINT screen)
{
    SendClicksAt(screen, 1);
}
}  // namespace e2e
