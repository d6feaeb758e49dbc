#pragma once
// Toolbars and menus that only the menu tests load.
#define IDR_MENU_TOOLBAR_A 9401 // 601, separator, 602, 603: red, green, blue
#define IDR_MENU_TOOLBAR_B 9402 // 603, 604: yellow, magenta
#define IDR_MENU_TOOLBAR_MISSING 9403
#define IDR_MENU_TOOLBAR_C 9404 // 620: yellow
#define IDR_TEST_MENU 9410
