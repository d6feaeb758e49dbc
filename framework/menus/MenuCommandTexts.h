#pragma once
// The texts of the program's commands by command id, as the menu resources
// give them (terms expanded); menus and toolbar buttons take them from here.
#include "afx/app/AfxWin.h"

// Records the text of every command item of the menu resource, replacing
// texts recorded before.
void CollectMenuCommandTexts(UINT menuResourceId);
// TRUE and the text when the command has one recorded.
BOOL GetMenuCommandText(UINT command, CString& text);
