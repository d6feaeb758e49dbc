#include "framework/shell/WebAddresses.h"

#include "foundation/files/FileErrors.h"

#include <ctype.h>
#include <string.h>

CString CompleteWebAddress(LPCTSTR text)
{
    if (text == NULL || text[0] == '\0')
        return CString();
    if (strstr(text, "://") != NULL)
        return CString(text);
    return CString("http://") + text;
}

void OpenWebAddress(LPCTSTR text)
{
    if (text == NULL || text[0] == '\0')
        return;
    ShellOpenFile(CompleteWebAddress(text));
}

void OpenMailToAddress(LPCTSTR address, LPCTSTR subject)
{
    CString link = CString("mailto:") + (address != NULL ? address : "");
    if (subject != NULL && subject[0] != '\0')
        link += "?subject=" + PercentEncode(subject);
    ShellOpenFile(link);
}

CString PercentEncode(LPCTSTR text)
{
    static const char digits[] = "0123456789abcdef";
    CString encoded;
    if (text == NULL)
        return encoded;
    for (const unsigned char* c = (const unsigned char*)text; *c != '\0'; ++c)
    {
        // Bytes above 127 are always encoded, whatever the C library's
        // locale calls a letter.
        if (*c < 0x80 && isalnum(*c))
        {
            encoded += (char)*c;
        }
        else
        {
            encoded += '%';
            encoded += digits[*c >> 4];
            encoded += digits[*c & 0x0F];
        }
    }
    return encoded;
}
