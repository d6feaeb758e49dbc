#pragma once
// Splitting texts and byte buffers into lines of a string array.
#include "afx/core/AfxCore.h"

class CByteBuffer;

// Empties the array and fills it with the lines of the text, cut at every
// LF, CR or CR LF; the piece after the last break is always added. Returns
// the number of lines (0 for a null or empty text).
int SplitLines(CStringArray& lines, const char* text);

// Empties the array and fills it with the lines of the text, cut only at
// CR LF when the text holds one, else at every LF. Trailing empty lines are
// removed.
void SplitTextLines(const char* text, CStringArray& lines);

// Empties the array and fills it with the buffer's lines split at LF, each
// trimmed when asked. Empty lines are kept; a last line without LF is added
// when it holds any character before trimming.
void SplitBufferLines(CStringArray& lines, const CByteBuffer& buffer, BOOL trim);
