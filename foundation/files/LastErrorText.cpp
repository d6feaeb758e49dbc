#include "foundation/files/LastErrorText.h"

#include "foundation/text/Trim.h"

CString GetSystemErrorText(DWORD error)
{
    // Inserts are ignored: the system's texts with %1 place-holders would
    // otherwise read arguments nobody passes.
    char* buffer = NULL;
    const DWORD length =
        ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         NULL, error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), (LPSTR)&buffer, 0, NULL);
    CString text;
    if (length > 0 && buffer != NULL)
        text = buffer;
    if (buffer != NULL)
        ::LocalFree(buffer);
    return text;
}

CString GetLastErrorText()
{
    const DWORD error = ::GetLastError();
    CString text = GetSystemErrorText(error);
    TrimString(&text);
    if (text.IsEmpty())
        text.Format("error %lu", (unsigned long)error);
    return "'" + text + "'";
}
