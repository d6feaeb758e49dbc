// Measures the window helpers that run while the user waits: opening and
// closing the progress window, counting it up with its message pump, copying
// template prototypes into a window, messages through a chain of hooks, and
// placing a pop-up.
//
//   bench_framework_windows.exe
#include "afx/dialogs/DialogTemplateBuilder.h"
#include "framework/dialogs/DlgTemplateReader.h"
#include "framework/popups/PopupRect.h"
#include "framework/popups/ProgressWnd.h"
#include "framework/windows/WndHook.h"
#include "tools/programs/BenchTimer.h"

#include <cstdio>
#include <vector>

namespace
{
void BenchProgress(CWnd* owner)
{
    CProgressWnd progress;
    BenchMeasure("progress window opened and closed (scan look)", 50, [&](int) {
        progress.Open(owner, 0, "Scanning", "Looking for configurations", 0x5E);
        progress.Close();
    });
    BenchMeasure("progress window opened and closed (About look)", 50, [&](int) {
        progress.Open(owner, 0xFFFF, "About", "Kestrova predicts the offspring of a mating.", 0x8A);
        progress.Close();
    });
    progress.Open(owner, 0, "Scanning", "Counting", 0x5C);
    progress.SetProgress(0, 10000);
    BenchMeasure("SetPos with its message pump", 10000, [&](int i) { progress.SetPos(i); });
    BenchMeasure("PumpMessages with nothing waiting", 10000, [&](int) { progress.PumpMessages(); });
    progress.Close();
}

void BenchTemplate(CWnd* parent)
{
    CDialogTemplateBuilder builder;
    builder.Begin(DS_SETFONT | WS_POPUP, 0, 0, 300, 200, "Prototypes", 8, "MS Shell Dlg");
    for (int i = 0; i < 20; ++i)
        builder.AddControl((WORD)(100 + i), i % 2 ? "EDIT" : "STATIC", "Prototype", WS_BORDER, 5, (short)(5 + 9 * i),
                           80, 8);
    const DLGTEMPLATE* data = builder.GetTemplate();
    CDlgTemplateReader reader;
    BenchMeasure("template of 20 prototypes read", 1000,
            [&](int) { reader.LoadFromMemory(parent, data, 4096); });
    std::vector<HWND> copies;
    BenchMeasure("20 prototypes copied into a window and destroyed", 100, [&](int) {
        for (int i = 0; i < 20; ++i)
            copies.push_back(reader.CreateItem(i, parent, NULL, NULL, ::GetModuleHandleA(NULL), 1000 + i));
        for (HWND copy : copies)
            ::DestroyWindow(copy);
        copies.clear();
    });
}

void BenchHooks()
{
    HWND hWnd = ::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, ::GetModuleHandleA(NULL), NULL);
    BenchMeasure("message to a window without hooks", 100000, [&](int) { ::SendMessageA(hWnd, WM_NULL, 0, 0); });
    CWndHook first, second;
    first.HookWindow(hWnd);
    second.HookWindow(hWnd);
    BenchMeasure("message through a chain of two hooks", 100000, [&](int) { ::SendMessageA(hWnd, WM_NULL, 0, 0); });
    ::DestroyWindow(hWnd);
}
} // namespace

int main()
{
    CWnd owner;
    owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, NULL, NULL);
    BenchProgress(&owner);
    BenchTemplate(&owner);
    BenchHooks();
    long long sum = 0;
    BenchMeasure("pop-up placed in the work area", 100000,
            [&](int i) { sum += CalcPopupRect(i % 2000, 500, i % 2000, 480, 200, 150).left; });
    printf("(check %lld)\n", sum);
    owner.DestroyWindow();
    return 0;
}
