#pragma once
// Images of menu items, taken from the toolbars whose buttons carry the same
// commands. The application registers the toolbars and the commands that
// borrow another command's image at start-up.
#include "afx/app/AfxWin.h"

class CMyMenu;
class CMyMenuItem;

const int MenuImageWidth = 16;
const int MenuImageHeight = 15;

// Appends the toolbar to the searched ones unless it is there already.
void AddMenuImageToolbar(UINT toolbarId);
// A menu item of the command shows the image of imageCommand.
void SetMenuImageCommand(UINT command, UINT imageCommand);
BOOL LookupMenuImageCommand(UINT command, UINT& imageCommand);
// The entry of a submenu that holds the command shows imageCommand's image.
void SetSubmenuCommand(UINT command, UINT imageCommand);
BOOL LookupSubmenuCommand(UINT command, UINT& imageCommand);

// Finds or loads the toolbar's images. Answers the cache code: position + 1
// in the menu's cache, -(position + 1) in the program-wide cache, 0 when the
// toolbar or its bitmap cannot be loaded. A loaded toolbar goes to the
// program-wide cache when programWide is set, else to the menu's.
int GetToolbarImages(CMyMenu* menu, UINT toolbarId, BOOL programWide, const CUIntArray** commandIds);
// The image list of a cache code against a root menu; null for code 0.
CImageList* GetMenuImageList(CMyMenu* rootMenu, int code);

// Looks up the item's image once and stores its cache code and index.
void FindItemImage(CMyMenu* rootMenu, CMyMenuItem* item);

// Draws the image embossed in highlight and shadow, as a disabled item shows it.
void DrawDisabledMenuImage(CDC* dc, CImageList* images, int index, int x, int y);
