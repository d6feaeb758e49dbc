// What the dialog scripts of every layer share: the dialog font, the style
// of a modal dialog and its OK and Cancel buttons. Resource scripts include
// this after <windows.h>.
#pragma once

#define DIALOG_FONT FONT 8, "MS Sans Serif"
#define MODAL_DIALOG_STYLE STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU

// The OK and Cancel buttons, 14 units high; the push buttons are tab stops
// by default. Extra styles may follow: OK_BUTTON(68, 43, 50), WS_GROUP
#define OK_BUTTON(x, y, width) DEFPUSHBUTTON "OK", IDOK, x, y, width, 14
#define CANCEL_BUTTON(x, y, width) PUSHBUTTON "Cancel", IDCANCEL, x, y, width, 14
