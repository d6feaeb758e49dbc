#include "foundation/files/ErrorText.h"

#include <stdarg.h>

void ThrowErrorText(LPCTSTR format, ...)
{
    va_list args;
    va_start(args, format);
    CString text;
    text.FormatV(format, args);
    va_end(args);
    throw text;
}
