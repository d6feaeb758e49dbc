#pragma once
// Whitespace as the C runtime's isspace reports it in the "C" locale: tab,
// line feed, vertical tab, form feed, carriage return and blank. Characters
// 128-255 are never whitespace.

inline bool IsTextWhitespace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}
