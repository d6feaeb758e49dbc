#include "foundation/values/DateTimeText.h"

#include <ctime>

CString BuildDateTimeText(const char* ctimeText, DWORD flags)
{
    CString result;
    if (ctimeText == nullptr)
        return result;
    struct Piece
    {
        DWORD flag;
        int start;
        int length;
    };
    static const Piece pieces[] = {
        {DATETEXT_WEEKDAY, 0, 3}, {DATETEXT_MONTH, 4, 3}, {DATETEXT_DAY, 8, 2},
        {DATETEXT_YEAR, 20, 4},   {DATETEXT_CENTURY, 20, 2},
    };
    for (const Piece& piece : pieces)
    {
        if ((flags & piece.flag) == 0)
            continue;
        if (!result.IsEmpty())
            result += ' ';
        result += CString(ctimeText + piece.start, piece.length);
    }
    if ((flags & DATETEXT_TIME) != 0)
    {
        if (!result.IsEmpty())
            result += ", ";
        result += CString(ctimeText + 11, 5);
    }
    return result;
}

CString GetDateTimeText(DWORD flags)
{
    time_t now = time(nullptr);
    return BuildDateTimeText(ctime(&now), flags);
}
