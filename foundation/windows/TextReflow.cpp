#include "foundation/windows/TextReflow.h"

#include "foundation/text/FindReplace.h"
#include "foundation/text/TextEdits.h"
#include "foundation/values/ValueConversions.h"
#include "foundation/text/TextReplace.h"

CString ReplaceInString(const CString& source, LPCTSTR find, LPCTSTR replacement)
{
    return ReplaceText(source, find, replacement, source.GetLength());
}

CString ReflowParagraphs(LPCTSTR text)
{
    if (text == NULL || text[0] == '\0')
        return CString();
    // Runs of line feeds are parked as marker words while the single line
    // feeds that remain become blanks.
    CString result = ReplaceText(text, "\r\n", "\n", -1);
    result = ReplaceInString(result, "\n\n\n\n", "PoPlKo");
    result = ReplaceInString(result, "\n\n\n", "XyZzY");
    result = ReplaceInString(result, "\n\n", "PlUgH");
    result = ReplaceCharWithChar(result, '\n', ' ');
    result = ReplaceInString(result, "PlUgH", "\r\n");
    result = ReplaceInString(result, "XyZzY", "\r\n\r\n");
    result = ReplaceInString(result, "PoPlKo", "\r\n\r\n\r\n");
    return result;
}

CString ApplyTextCase(LPCTSTR text, unsigned int mode)
{
    CString work = text != NULL ? text : "";
    switch (mode)
    {
    case 0:
        break;
    case 1:
        work.MakeUpper();
        break;
    case 2:
        work.MakeLower();
        break;
    case 3:
        work.MakeLower();
        if (!work.IsEmpty() && work[0] >= 'a' && work[0] <= 'z')
            work.SetAt(0, (char)(work[0] - 'a' + 'A'));
        break;
    case 4:
        work = MakeTitleCase(work);
        break;
    case 5:
        SwapCase(&work);
        break;
    default:
        work.Empty();
        break;
    }
    return work;
}
