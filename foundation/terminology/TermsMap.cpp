#include "foundation/terminology/TermsMap.h"

#include <cstring>

CNamedStringMap TermsMap;

namespace
{
const char TermWordSeparators[] = " ;.:\n\r\t-";

inline bool IsAsciiUpper(char c) { return c >= 'A' && c <= 'Z'; }
inline bool IsAsciiLower(char c) { return c >= 'a' && c <= 'z'; }

// The ANSI code page's lower-casing, so accented letters fold as well.
CString LowerCased(LPCTSTR text)
{
    CString result(text);
    if (!result.IsEmpty())
    {
        int length = result.GetLength();
        CharLowerBuffA(result.GetBuffer(0), (DWORD)length);
        result.ReleaseBuffer(length);
    }
    return result;
}

// The first character kept, the rest in the ANSI code page's lower case.
CString LowerCasedAfterFirst(LPCTSTR text)
{
    CString result(text);
    int length = result.GetLength();
    if (length > 1)
    {
        CharLowerBuffA(result.GetBuffer(0) + 1, (DWORD)(length - 1));
        result.ReleaseBuffer(length);
    }
    return result;
}

bool HasUpperAfterFirst(LPCTSTR name)
{
    for (const char* p = name + 1; *p != '\0'; ++p)
        if (IsAsciiUpper(*p))
            return true;
    return false;
}
}

CString TitleCaseTermText(LPCTSTR text)
{
    if (text == NULL)
        return CString();
    CString result(text);
    int length = result.GetLength();
    if (length == 0)
        return result;
    char* p = result.GetBuffer(0);
    bool startOfWord = true;
    for (int i = 0; i < length; ++i)
    {
        char c = p[i];
        if (startOfWord && IsAsciiLower(c))
            p[i] = (char)(c - ('a' - 'A'));
        else if (!startOfWord && IsAsciiUpper(c))
            p[i] = (char)(c + ('a' - 'A'));
        startOfWord = strchr(TermWordSeparators, c) != NULL;
    }
    result.ReleaseBuffer(length);
    return result;
}

void SetTerm(LPCTSTR name, LPCTSTR text, BOOL caseVariants)
{
    if (name == NULL || *name == '\0' || text == NULL)
        return;
    // Own copies: the arguments may point into entries that are replaced here.
    CString ownName(name);
    CString ownText(text);
    name = ownName;
    text = ownText;
    TermsMap[name] = ownText;

    char first = name[0];
    if (!caseVariants || !(IsAsciiUpper(first) || IsAsciiLower(first)))
        return;

    if (IsAsciiLower(first))
    {
        CString variant(name);
        variant.SetAt(0, (char)(first - ('a' - 'A')));
        TermsMap[variant] = TitleCaseTermText(text);
        return;
    }

    TermsMap[LowerCased(name)] = LowerCased(text);
    if (HasUpperAfterFirst(name))
        TermsMap[LowerCasedAfterFirst(name)] = LowerCasedAfterFirst(text);
}
