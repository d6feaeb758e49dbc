#pragma once
// Texts that any part of the program may share. The constant texts that have
// users are kept beside them ("Default" in ValueText.h, the word separators in
// CharEdits.h).
#include "afx/core/AfxCore.h"

extern const CString TransparentText;   // "Transparent"
extern const CString PrintCommandText;  // "&Print"
extern const CString OkText;            // "OK"
extern const CString InsertText;        // "Insert"

// A text to pass to the token expander where only its result is wanted.
extern CString ExpansionScratchText;
// An empty text to hand out by reference where there is nothing to say.
extern const CString SharedEmptyText;
