#include "framework/dragdrop/MouseDrag.h"

#include "support/MouseInput.h"

namespace
{
struct CDragScript
{
    POINT drop;
    POINT at; // where the pointer is, and so every button event
    int tick = 0;
} dragScript;

const int escapeTick = 40;

void SendMouse(DWORD flags)
{
    SendMouseAt(dragScript.at, flags);
}

void MoveMouse(int x, int y)
{
    dragScript.at = POINT{x, y};
    SendMouse(0);
}

// Each tick does the next step: over the drop point, then onto it, then the
// button goes up.
void CALLBACK DragStep(HWND, UINT, UINT_PTR, DWORD)
{
    switch (dragScript.tick++)
    {
    case 1:
        MoveMouse(dragScript.drop.x - 4, dragScript.drop.y);
        break;
    case 3:
        MoveMouse(dragScript.drop.x, dragScript.drop.y);
        break;
    case 5:
        SendMouse(MOUSEEVENTF_LEFTUP);
        break;
    case escapeTick: {
        INPUT key[2] = {};
        key[0].type = key[1].type = INPUT_KEYBOARD;
        key[0].ki.wVk = key[1].ki.wVk = VK_ESCAPE;
        key[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, key, sizeof(INPUT));
        SendMouse(MOUSEEVENTF_LEFTUP);
        break;
    }
    default:
        break;
    }
}
} // namespace

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

BOOL RunMouseDrag(POINT press, POINT drop, const std::function<void()>& startDrag)
{
    dragScript = CDragScript{drop, press};
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    PumpMessages();
    UINT_PTR timer = ::SetTimer(NULL, 0, 50, DragStep);
    startDrag();
    ::KillTimer(NULL, timer);
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpMessages();
    return dragScript.tick < escapeTick;
}

COleDataSource* NewUnterminatedTextSource(const char* bytes, size_t length)
{
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, length);
    memcpy(::GlobalLock(block), bytes, length);
    ::GlobalUnlock(block);
    COleDataSource* source = new COleDataSource;
    source->CacheGlobalData(CF_TEXT, block);
    return source;
}
