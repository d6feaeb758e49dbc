#include "foundation/terminology/TokenExpander.h"
#include "foundation/terminology/TermsMap.h"
#include "foundation/text/InlineText100.h"
#include "foundation/text/InlineText2000.h"
#include "foundation/text/Whitespace.h"

#include <cstring>

namespace
{
// The line number at the start of a token's comma part: blanks, a sign, then
// digits up to the first non-digit (0 when there are none). A number too
// large for any text saturates instead of wrapping round to a line that
// exists (or to -1, the whole text).
int ReadLineNumber(const char* p)
{
    const int beyondAnyLine = 1000000000;
    while (IsTextWhitespace(*p))
        ++p;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    int value = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        value = value >= beyondAnyLine / 10 ? beyondAnyLine : value * 10 + (*p - '0');
    return negative ? -value : value;
}

// Appends line n (from 0, lines separated by line feeds) of text; false when
// the text has no such line.
bool AppendLine(CInlineText2000& output, const CString& text, int n)
{
    if (n < 0)
        return false;
    const char* line = text;
    for (int i = 0; i < n; ++i)
    {
        line = strchr(line, '\n');
        if (line == NULL)
            return false;
        ++line;
    }
    const char* end = strchr(line, '\n');
    output.Append(line, end != NULL ? (int)(end - line) : (int)strlen(line));
    return true;
}

struct ExpansionContext
{
    const CNamedStringMap* map;
    const CNamedStringMap* secondMap;
    const LPCTSTR* extraNames;
    int extraCount;
    int extraUsed;
};

void ExpandToken(CInlineText100& body, int lastComma, ExpansionContext& context,
                 CInlineText2000& output)
{
    // The body is ours: cut it at the last comma in place.
    char* chars = body.Resize(body.GetLength());
    int lineNumber = -1;
    if (lastComma >= 0)
    {
        chars[lastComma] = '\0';
        lineNumber = ReadLineNumber(chars + lastComma + 1);
    }
    const char* name = chars;
    if (name[0] == '@' && name[1] == '\0')
    {
        // Once the extra names run out, "@" stays as it is.
        if (context.extraUsed >= context.extraCount)
        {
            output.AppendChar('@');
            return;
        }
        name = context.extraNames[context.extraUsed++];
        if (name == NULL)
            name = "";
    }

    CString text;
    bool found = context.map->Lookup(name, text) ||
                 (context.secondMap != NULL && context.secondMap->Lookup(name, text));
    if (found && lineNumber == -1)
    {
        output.Append(text, text.GetLength());
        return;
    }
    if (found && AppendLine(output, text, lineNumber))
        return;
    output.Append(name);
}
}

LPCTSTR ExpandTokensWithNames(LPCTSTR source, CString& result, const CNamedStringMap* map,
                              const CNamedStringMap* secondMap, char open, char close,
                              const LPCTSTR* extraNames, int extraCount)
{
    if (source == NULL)
    {
        result.Empty();
        return NULL;
    }
    if (*source == '\0')
    {
        result.Empty();
        return result;
    }
    if (strchr(source, open) == NULL)
    {
        if (source != (LPCTSTR)result)
            result = source;
        return result;
    }

    ExpansionContext context = {map != NULL ? map : &TermsMap, secondMap, extraNames, extraCount, 0};
    CInlineText2000 output;
    CInlineText100 body;
    bool inToken = false;
    int lastComma = -1;
    const char* runStart = source;
    const char* p = source;
    for (; *p != '\0'; ++p)
    {
        char c = *p;
        if (!inToken)
        {
            if (c != open)
                continue;
            output.Append(runStart, (int)(p - runStart));
            inToken = true;
            body.Empty();
            lastComma = -1;
        }
        else if (c == close)
        {
            ExpandToken(body, lastComma, context, output);
            inToken = false;
            runStart = p + 1;
        }
        else
        {
            if (c == ',')
                lastComma = body.GetLength();
            body.AppendChar(c);
        }
    }
    if (!inToken)
        output.Append(runStart, (int)(p - runStart));
    body.Empty();

    result = CString(output.GetText(), output.GetLength());
    return result;
}
