#include "foundation/text/TextReplace.h"

CString ReplaceCharWithChar(LPCTSTR text, char from, char to)
{
    // Replaced in place on the copy, so the length stays as it was whatever
    // the two characters are.
    CString result = text != NULL ? text : "";
    int length = result.GetLength();
    LPTSTR characters = result.GetBuffer(length);
    for (int i = 0; i < length; ++i)
    {
        if (characters[i] == from)
            characters[i] = to;
    }
    result.ReleaseBuffer(length);
    return result;
}
