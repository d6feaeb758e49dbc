#pragma once
// The font of owner-drawn menu items: made from the LOGFONT of the shared
// menu font, which start-up reads from the system (or, without start-up,
// the first use).
#include "afx/app/AfxWin.h"

const LOGFONTA& GetMenuLogFont();
// Creates the menu font; FALSE when the platform refuses.
BOOL CreateMenuFont(CFont& font);
