#pragma once
// The system's field splitter: appends the fields of a text to a string array.
#include "afx/core/AfxCore.h"

enum TokenizeFlags
{
    TOKENIZE_KEEP_EMPTY = 1, // append empty fields too
    TOKENIZE_TRIM = 2        // trim the text and every field (not with ' ' as a separator)
};

// Splits text at any character of the separator set, except inside brackets
// (open/close; 0 for both disables nesting; the same character for both makes
// a quote pair). A maximum above 0 caps the number of fields: the last field
// holds the rest of the text unsplit. Returns the number of fields appended
// at the end of the array (which is not emptied first).
int TokenizeTextOnSet(const char* text, CStringArray& fields, const char* separators,
                      int flags, int maximum, char open, char close);

// The same with a single separator character.
int TokenizeText(const char* text, CStringArray& fields, char separator,
                 int flags, int maximum, char open, char close);
