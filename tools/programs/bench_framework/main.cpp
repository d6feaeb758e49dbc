// Benchmark of the framework's windows: showing and closing the program's
// message box, and a modal dialog of 20 controls. Run by hand under Wine;
// prints milliseconds per round.
#include <stdio.h>

#include "afx/app/AfxWin.h"
#include "afx/dialogs/DialogTemplateBuilder.h"
#include "framework/app/FrameworkApp.h"
#include "framework/app/SharedFonts.h"
#include "framework/dialogs/MyDialog.h"
#include "framework/messages/MessagePrompts.h"
#include "tools/programs/BenchTimer.h"

namespace
{
// Ends every dialog as soon as it is activated, as a user's click would.
LRESULT CALLBACK CloseOnActivate(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE)
        ::PostMessageA((HWND)wParam, WM_COMMAND, IDOK, 0);
    return ::CallNextHookEx(NULL, code, wParam, lParam);
}

template <class BODY>
void Measure(const char* name, int rounds, BODY body)
{
    body();   // the first round loads the templates and fonts
    double start = BenchSeconds();
    for (int i = 0; i < rounds; i++)
        body();
    printf("%-44s %8.2f ms/round  (%d rounds)\n", name, (BenchSeconds() - start) * 1000.0 / rounds, rounds);
}

class CBenchApp : public CFrameworkApp
{
public:
    CBenchApp() : CFrameworkApp("Kestrova Benchmark") {}
};

CDialogTemplateBuilder TwentyControls()
{
    CDialogTemplateBuilder builder;
    builder.Begin(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0, 0, 260, 200, "Twenty", 8,
                  "MS Sans Serif");
    for (int i = 0; i < 19; i++)
    {
        short x = (short)(10 + (i % 2) * 125), y = (short)(8 + (i / 2) * 18);
        if (i % 3 == 0)
            builder.AddControl((WORD)(1000 + i), "STATIC", "Label:", WS_CHILD | WS_VISIBLE, x, y, 110, 12);
        else if (i % 3 == 1)
            builder.AddControl((WORD)(1000 + i), "EDIT", "text", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, x,
                               y, 110, 14);
        else
            builder.AddControl((WORD)(1000 + i), "BUTTON", "Check", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, x, y,
                               110, 12);
    }
    builder.AddControl(IDOK, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 200, 180, 50, 14);
    return builder;
}
} // namespace

int main()
{
    AfxWinInit(::GetModuleHandleA(NULL), NULL, (LPTSTR) "", SW_SHOW);
    CBenchApp app;
    app.InitStartupValues();
    CreateSharedFonts();
    HHOOK hook = ::SetWindowsHookExA(WH_CBT, CloseOnActivate, NULL, ::GetCurrentThreadId());

    Measure("message box: show and close", 50, []() {
        ShowPromptedMessageBox(NULL, "The litter was saved.", "Kestrova", MB_ICONINFORMATION, 0, 0, "");
    });
    Measure("message box: long text, three buttons", 50, []() {
        CString text;
        for (int i = 0; i < 40; i++)
            text += "The sire carries one copy of the merle allele and the dam none. ";
        ShowPromptedMessageBox(NULL, text, "Kestrova", MB_YESNOCANCEL, 0, 0, "");
    });
    CDialogTemplateBuilder twenty = TwentyControls();
    Measure("modal dialog of 20 controls: show and close", 50, [&]() {
        CMyDialog dialog(0, NULL);
        dialog.InitModalIndirect(twenty.GetTemplate());
        dialog.DoModal();
    });

    ::UnhookWindowsHookEx(hook);
    DeleteSharedFonts();
    return 0;
}
