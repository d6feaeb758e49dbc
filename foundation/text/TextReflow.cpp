#include "foundation/text/TextReflow.h"

#include "foundation/text/FindReplace.h"
#include "foundation/text/TextEdits.h"
#include "foundation/values/ValueConversions.h"
#include "foundation/text/TextReplace.h"

#include <string.h>

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

// Appends the line [begin, end) to the result in pieces that fit the width.
static void AppendWrappedLine(CString& result, HDC dc, const char* begin, const char* end, int width)
{
    while (begin < end)
    {
        // No more characters than pixels can fit, so a long line is measured
        // a piece at a time.
        const int left = (int)(end - begin);
        const int measured = left < width + 1 ? left : width + 1;
        int fit = 0;
        SIZE size;
        if (!::GetTextExtentExPointA(dc, begin, measured, width, &fit, NULL, &size) || fit >= left)
        {
            result += CString(begin, left);
            return;
        }
        int cut = fit;
        while (cut > 0 && begin[cut] != ' ')
            cut--;
        const BOOL atBlank = cut > 0;
        if (!atBlank)
            cut = fit > 0 ? fit : 1;
        if (cut >= left)
        {
            // Not even one character fits: it stands alone.
            result += CString(begin, left);
            return;
        }
        result += CString(begin, cut);
        result += "\r\n";
        begin += atBlank ? cut + 1 : cut;
    }
}

CString WrapLinesToWidth(HDC dc, LPCTSTR text, int width)
{
    CString result;
    if (text == NULL)
        return result;
    if (width < 1)
        width = 1;
    const char* line = text;
    for (;;)
    {
        const char* end = strstr(line, "\r\n");
        AppendWrappedLine(result, dc, line, end != NULL ? end : line + strlen(line), width);
        if (end == NULL)
            return result;
        result += "\r\n";
        line = end + 2;
    }
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
