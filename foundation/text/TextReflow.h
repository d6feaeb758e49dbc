#pragma once

#include "afx/core/AfxCore.h"

// Turns hard-wrapped text into running paragraphs: a single line break becomes
// a blank and every run of line breaks keeps one break less.
CString ReflowParagraphs(LPCTSTR text);

CString ReplaceInString(const CString& source, LPCTSTR find, LPCTSTR replacement);

// Breaks every line of the text (lines end in "\r\n") that is wider than the
// width in pixels, drawn in the font selected into the device context, into
// lines that fit: after the last blank that fits, or inside a word that fits
// nowhere. The blank at a break is dropped. Time grows with the text's length
// only, whatever the length of its lines.
CString WrapLinesToWidth(HDC dc, LPCTSTR text, int width);

// Case modes: 0 unchanged, 1 upper, 2 lower, 3 sentence case, 4 title case,
// 5 swapped case; anything above gives an empty text.
CString ApplyTextCase(LPCTSTR text, unsigned int mode);
