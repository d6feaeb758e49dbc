#include "framework/TextReplace.h"

#include "foundation/text/FindReplace.h"

CString ReplaceCharWithChar(LPCTSTR text, char from, char to)
{
    const char replacement[2] = {to, '\0'};
    return ReplaceChar(text != NULL ? text : "", from, replacement, -1);
}
