// What the dialog scripts of every layer share: the dialog font and the style
// of a modal dialog. Resource scripts include this after <windows.h>.
#pragma once

#define DIALOG_FONT FONT 8, "MS Sans Serif"
#define MODAL_DIALOG_STYLE STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
