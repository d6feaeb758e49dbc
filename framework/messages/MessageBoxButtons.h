#pragma once
// The button sets of the program's message box, chosen by the platform's
// MessageBox flags and a button-option word:
//   bits 0-3   1..6 pick a set with "to all" buttons (boxes of type MB_OK)
//   bits 8-11  0..5 the default button's index (whenever the word is not 0)
//   0x1000     add the "Print Info" button
#include "afx/core/AfxCore.h"

const UINT MSGBOX_OPTION_PRINT_INFO = 0x1000;

struct MsgBoxButtonSet
{
    UINT cancelAnswer;   // what Escape and Cancel answer; 0 = Escape does nothing
    UINT buttons[8];     // left to right, ended by 0

    int Count() const;
};

// A copy of the set for these flags and option.
MsgBoxButtonSet GetButtonSet(UINT flags, UINT option);
int GetDefaultButtonIndex(UINT flags, UINT option);
// The box's default answer: the set's button at the default index.
UINT GetDefaultAnswer(UINT flags, UINT option);
// The string id of the "don't show again" text.
UINT GetDontShowText(UINT flags, UINT option);
// The icon to show: a resource of the application for a custom id, else a
// system icon (instance null) by the icon bits.
void GetIcon(UINT flags, UINT customIconId, HINSTANCE& instance, LPCTSTR& iconName);
// The caption of a button id, "???" for an unknown one.
CString GetButtonCaption(UINT buttonId);
