#pragma once
// The menu tests' toolbars registered once; what an item draws is read back
// from a CTestCanvas.
#include "framework/menus/MenuImages.h"
#include "framework/menus/MenuTestIds.h"
#include "foundation/windows/SystemColours.h"
#include "support/TestCanvas.h"

#include <windows.h>

inline void RegisterTestMenuToolbars()
{
    LoadSystemColours();
    AddMenuImageToolbar(IDR_MENU_TOOLBAR_A);
    AddMenuImageToolbar(IDR_MENU_TOOLBAR_B);
    AddMenuImageToolbar(IDR_MENU_TOOLBAR_A); // once is enough: A stays first
    SetMenuImageCommand(699, 602);
    SetMenuImageCommand(698, 697);
    SetMenuImageCommand(697, 601); // never followed from 698: one step only
}
