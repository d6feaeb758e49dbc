#include "foundation/files/LastErrorText.h"

#include "foundation/text/Trim.h"

CString GetSystemErrorText(DWORD error)
{
    char* buffer = NULL;
    const DWORD length =
        ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         NULL, error, 0, (LPSTR)&buffer, 0, NULL);
    CString text;
    if (length > 0 && buffer != NULL)
        text = buffer;
    if (buffer != NULL)
        ::LocalFree(buffer);
    TrimString(&text);
    if (text.IsEmpty())
        text.Format("error %lu", (unsigned long)error);
    return "'" + text + "'";
}

CString GetLastErrorText()
{
    return GetSystemErrorText(::GetLastError());
}
