#include "foundation/files/ErrorText.h"

#include "framework/MessageRoutines.h"

#include <stdarg.h>

void ThrowErrorText(LPCTSTR format, ...)
{
    va_list args;
    va_start(args, format);
    CString text = FormatTextV(format, args);
    va_end(args);
    throw text;
}
