#pragma once
// The fonts that the whole program shares, made once at start-up on a screen
// device context and released at exit. Without start-up they hold no handle,
// and their users fall back to the stock GUI font.
#include "framework/app/SharedFont.h"

extern CSharedFont SystemFont;        // stock SYSTEM_FONT
extern CSharedFont GuiFont;           // stock DEFAULT_GUI_FONT
extern CSharedFont FixedSystemFont;   // "Courier New" at the system font's height
extern CSharedFont FixedGuiFont;      // "Courier New" at the GUI font's height
extern CSharedFont GuiBoldFont;       // the GUI font, weight 700
extern CSharedFont GuiSmallFont;      // the GUI font at nine tenths of its height
extern CSharedFont GuiSmallBoldFont;  // the small font, weight 700
extern CSharedFont GuiLargeFont;      // the GUI font at twelve tenths of its height
extern CSharedFont GuiLargeBoldFont;  // the large font, weight 700
extern CSharedFont MenuFont;          // the system's menu font

struct SharedFontEntry
{
    const char* name;
    CSharedFont* font;
};
// Every shared font, in the order start-up makes them.
enum { SHARED_FONT_COUNT = 10 };
extern const SharedFontEntry SharedFontTable[SHARED_FONT_COUNT];

void CreateSharedFonts();
void DeleteSharedFonts();

// The menu font of the system's non-client metrics; the GUI font's LOGFONT
// when the system does not say.
LOGFONTA ReadMenuLogFont();
