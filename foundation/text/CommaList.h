#pragma once
// Comma-separated name lists, joining texts with a separator, and searching
// a text for characters of a set.
#include "afx/core/AfxCore.h"

// Index (from 0) of the list entry equal to text without regard to letter
// case; with prefix set, failing an exact match anywhere, of the first entry
// that begins with text. -1 when none.
int FindInCommaList(const char* list, const char* text, BOOL prefix);

// Appends text, preceded by the separator when the target is not empty.
// A null or empty text changes nothing.
void AppendWithSeparator(CString& target, const char* text, const char* separator);
void AppendWithSpace(CString& target, const char* text);
void AppendWithComma(CString& target, const char* text);

// Index of the first character of text that occurs in the set; -1 when none
// does or the text is null or empty.
int FindFirstOf(const char* text, const char* set);
// Index of the first character of text that does not occur in the set; -1
// when every character does or the text is null or empty; 0 for an empty set
// and a non-empty text.
int FindFirstNotOf(const char* text, const char* set);
