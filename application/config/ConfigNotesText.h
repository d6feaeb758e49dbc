#pragma once
// The text shown for a configuration's notes: a short preamble, then the notes.
#include "afx/core/AfxCore.h"

class CWnd;

// Empty for empty notes.
CString BuildConfigNotesText(const CString& notes);

// Shows the notes in the notes viewer owned by the window, under the title;
// the print title heads a printed copy.
void ShowConfigNotes(CWnd* owner, LPCTSTR title, LPCTSTR printTitle, const CString& notes);
