#pragma once
// Small in-place edits of a CString: blank-line compaction, case swapping and
// sentence finishing. A null pointer does nothing.
#include "afx/core/AfxCore.h"

// Strips leading and trailing line feeds and shortens every run of three or
// more line feeds to two. Carriage returns are ordinary characters.
void CompactNewlines(CString* text);
// 'A'-'Z' become 'a'-'z' and the other way round; other characters stay.
void SwapCase(CString* text);
// Trims, upper-cases a first letter 'a'-'z' and appends ". " unless the text
// ends in '.', '?' or '!'. An empty text stays empty.
void MakeSentence(CString* text);
