#pragma once
// Conversions between line-feed and carriage-return line-feed line ends, and
// splitting a text into lines at carriage-return line-feed pairs.
#include "afx/core/AfxCore.h"

// Puts a carriage return before every line feed (also before one that
// already follows a carriage return). The text may be the destination's own.
void ConvertLfToCrLf(CString* destination, const char* text);
// Turns every carriage-return line-feed pair into one line feed. The text may
// be the destination's own.
void ConvertCrLfToLf(CString* destination, const char* text);
// Empties the array and appends the lines of the text split at CR LF pairs
// only; a non-empty text ending in CR LF gives a last empty line.
void SplitTextAtCrLf(CStringArray* lines, const char* text);
