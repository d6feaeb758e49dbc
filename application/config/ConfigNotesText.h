#pragma once
// The text shown for a configuration's notes: a short preamble, then the notes.
#include "afx/AfxCore.h"

// Empty for empty notes.
CString BuildConfigNotesText(const CString& notes);
