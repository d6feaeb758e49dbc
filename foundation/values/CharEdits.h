#pragma once
// Character-level edits of texts and title casing.
#include "afx/core/AfxCore.h"

// The characters after which title casing starts a new word:
// " ;.:\n\r\t-/?&'`".
extern CString WordSeparators;

// Occurrences of a character; 0 for a null text.
int CountChar(const char* text, char c);
// Removes every character of the set, keeping the order of the others; a
// null set changes nothing.
void RemoveCharsInSet(CString& text, const char* set);
// The same edit done in the string's own buffer; the set must not be null.
void RemoveChars(CString& text, const char* set);
void RemoveChar(CString& text, char c);

// First letter of every word upper-cased, the rest lower-cased; an apostrophe
// or backquote inside a word does not start a new one ("Don't").
CString MakeTitleCase(const char* text);
