#pragma once
// Data exchange of the preference pages' list and colour controls.
#include "afx/app/AfxWin.h"

// A drop-down list showing texts[i] for values[i] (filled when empty); the
// value shown is the entry equal to value (none when there is none), and
// saving takes the chosen entry's value (value unchanged when none is chosen).
void DDX_ValueList(CDataExchange* pDX, int id, CString& value, const CStringArray& values,
                   const CStringArray& texts);
// A drop-down list of fixed texts whose position is the value.
void DDX_ListIndex(CDataExchange* pDX, int id, int& index, const char* const* texts, int count);
// An edit holding a colour by name, "Default" or "#rrggbb"; saving refuses
// any other text with a message.
void DDX_ColourText(CDataExchange* pDX, int id, int& colour);
// Lets the user choose the colour of a colour edit with the colour chooser;
// the edit shows the chosen colour. FALSE when cancelled.
BOOL ChooseColourForEdit(CWnd* page, int editId);
