// Measures the colour controls and colour texts: opening, painting and
// closing the colour palette under a button, repainting it, and reading text
// styles whose colours are named (the longest-name match at each word).
//
//   bench_colours.exe
#include <cstdio>

#include "framework/colours/ColourPalettePopup.h"
#include "framework/colours/CustomColours.h"
#include "foundation/windows/SystemColours.h"
#include "output/text/TextStyle.h"
#include "tools/programs/BenchTimer.h"

int main()
{
    LoadSystemColours();
    CWnd owner;
    owner.CreateEx(0, AfxRegisterWndClass(0), "Bench", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100, NULL, NULL);
    BenchMeasure("palette opened, painted and closed", 200, [&](int i) {
        CColourPalettePopup* popup =
            OpenColourPalettePopup(CPoint(0, 100), CPoint(0, 0), &owner, i % 2 ? 0x800080 : 0xFF000000,
                                   &CustomColours, "Default");
        if (popup != NULL)
            popup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    });
    CColourPalettePopup* popup = OpenColourPalettePopup(CPoint(0, 100), CPoint(0, 0), &owner, 0, &CustomColours,
                                                        "Default");
    BenchMeasure("palette repainted", 500, [&](int) {
        ::RedrawWindow(popup->m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    });
    popup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    owner.DestroyWindow();

    CTextStyle style;
    BenchMeasure("style read: \"Arial,12,Bold Italic\"", 20000, [&](int) { style.FromText("Arial,12,Bold Italic"); });
    BenchMeasure("style read: \"Arial,12,Bold Dark olive green\"", 20000,
            [&](int) { style.FromText("Arial,12,Bold Dark olive green"); });
    BenchMeasure("style read: \"Arial,12,Underline #123456\"", 20000,
            [&](int) { style.FromText("Arial,12,Underline #123456"); });
    return 0;
}
