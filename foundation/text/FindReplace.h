#pragma once
// Copies of a text with occurrences of a character or of a text replaced.
// The source is never changed; a length of -1 runs up to the terminating zero.
#include "afx/core/AfxCore.h"

// Every occurrence of the character becomes the replacement text (which may
// be empty, deleting the character).
CString ReplaceChar(const char* text, char find, const char* replacement, int length = -1);

// Every occurrence of the find text, left to right and without overlaps,
// becomes the replacement. Matching is byte for byte. An empty find text
// gives an unchanged copy.
CString ReplaceText(const char* text, const char* find, const char* replacement, int length = -1);
