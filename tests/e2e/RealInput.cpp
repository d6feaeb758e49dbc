#include "RealInput.h"

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
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, NULL), &info) && info.hwndFocus == window;
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
    ::SetCursorPos(screen.x, screen.y);
    // The move goes in the same input as the button, so that a busy machine
    // cannot press the button where the pointer was before the move. An
    // absolute position is in 65,536ths of the screen: rounded up, it lands
    // on the pixel itself.
    const LONG width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input[3] = {};
    input[0].type = input[1].type = input[2].type = INPUT_MOUSE;
    input[0].mi.dx = (LONG)((((LONGLONG)screen.x << 16) + width - 1) / width);
    input[0].mi.dy = (LONG)((((LONGLONG)screen.y << 16) + height - 1) / height);
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(3, input, sizeof(INPUT));
}
}  // namespace e2e
