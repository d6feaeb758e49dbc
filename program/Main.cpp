// Entry point used until the application object exists: one plain window
// titled "Kestrova" that closes on request.
#include "afx/CallbackBarrier.h"

#include <windows.h>

namespace {

LRESULT CALLBACK PlaceholderWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return AfxCallbackBarrier<LRESULT>(0, hwnd, msg, [&]() -> LRESULT {
        if (msg == WM_DESTROY) {
            PostQuitMessage(0);
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    });
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PlaceholderWndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "KestrovaMainWindow";
    if (!RegisterClassA(&wc))
        return 1;
    HWND hwnd = CreateWindowA("KestrovaMainWindow", "Kestrova", WS_OVERLAPPEDWINDOW,
                              CW_USEDEFAULT, CW_USEDEFAULT, 640, 480, nullptr, nullptr, instance, nullptr);
    if (!hwnd)
        return 1;
    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
