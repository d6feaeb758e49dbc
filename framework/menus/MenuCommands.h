#pragma once
// Command items of owner-drawn menus whose texts and states come from the
// command routing of a command target.
#include "afx/app/AfxWin.h"

class CMyMenu;

// Appends the command with the text and state that its update handler gives
// (the text given here when the handler sets none). FALSE, and nothing
// added, when there is no text at all.
BOOL AddCommandMenuItem(CMyMenu* menu, UINT id, int toolbarId, int imageCommand, CCmdTarget* target, LPCTSTR text);
// The same with the text formatted from format and the further arguments
// (no format: no text of its own).
BOOL InsertCommandMenuItem(CMyMenu* menu, UINT id, int toolbarId, int imageCommand, CCmdTarget* target, LPCTSTR format,
                           ...);
// Refreshes the texts and enabled states of every item of the menu and of
// its sub-menus; check marks are left alone.
void UpdateMenuCommandStates(CMyMenu* menu, CCmdTarget* target);
