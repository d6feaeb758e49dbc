#pragma once
// The font of owner-drawn menu items: the system's menu font, read from the
// non-client metrics at start-up (or on first use).
#include "afx/app/AfxWin.h"

// Reads the menu font from the system again.
void InitMenuLogFont();
const LOGFONTA& GetMenuLogFont();
// Creates the menu font; FALSE when the platform refuses.
BOOL CreateMenuFont(CFont& font);
