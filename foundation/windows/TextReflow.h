#pragma once

#include "afx/AfxCore.h"

// Turns hard-wrapped text into running paragraphs: a single line break becomes
// a blank and every run of line breaks keeps one break less.
CString ReflowParagraphs(LPCTSTR text);

CString ReplaceInString(const CString& source, LPCTSTR find, LPCTSTR replacement);

// Case modes: 0 unchanged, 1 upper, 2 lower, 3 sentence case, 4 title case,
// 5 swapped case; anything above gives an empty text.
CString ApplyTextCase(LPCTSTR text, unsigned int mode);
