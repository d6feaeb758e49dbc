#include "foundation/text/TextLines.h"
#include "foundation/files/ByteBuffer.h"
#include "foundation/text/InlineText2000.h"
#include "foundation/text/Trim.h"

#include <cstring>

int SplitLines(CStringArray& lines, const char* text)
{
    lines.RemoveAll();
    if (text == nullptr || *text == '\0')
        return 0;
    const char* lineStart = text;
    const char* p = text;
    while (*p != '\0')
    {
        if (*p == '\r' || *p == '\n')
        {
            lines.Add(CString(lineStart, (int)(p - lineStart)));
            if (p[0] == '\r' && p[1] == '\n')
                ++p;
            lineStart = ++p;
        }
        else
            ++p;
    }
    lines.Add(CString(lineStart, (int)(p - lineStart)));
    return (int)lines.GetSize();
}

void SplitTextLines(const char* text, CStringArray& lines)
{
    lines.RemoveAll();
    if (text == nullptr)
        text = "";
    const char* separator = strstr(text, "\r\n") != nullptr ? "\r\n" : "\n";
    int separatorLength = (int)strlen(separator);
    const char* lineStart = text;
    for (const char* found = strstr(lineStart, separator); found != nullptr;
         found = strstr(lineStart, separator))
    {
        lines.Add(CString(lineStart, (int)(found - lineStart)));
        lineStart = found + separatorLength;
    }
    if (*lineStart != '\0')
        lines.Add(CString(lineStart));
    while (lines.GetSize() > 0 && lines[lines.GetSize() - 1].IsEmpty())
        lines.RemoveAt(lines.GetSize() - 1);
}

static void AddLine(CStringArray& lines, CInlineText2000& line, BOOL trim)
{
    int length = line.GetLength();
    if (trim)
        length = TrimBuffer(line.Resize(length), length);
    lines.Add(CString(line.GetText(), length));
    line.Empty();
}

void SplitBufferLines(CStringArray& lines, const CByteBuffer& buffer, BOOL trim)
{
    lines.RemoveAll();
    const char* bytes = (const char*)buffer.GetData();
    unsigned length = buffer.GetLength();
    CInlineText2000 line;
    unsigned runStart = 0;
    for (unsigned i = 0; i < length; ++i)
    {
        if (bytes[i] != '\n')
            continue;
        line.Append(bytes + runStart, (int)(i - runStart));
        AddLine(lines, line, trim);
        runStart = i + 1;
    }
    line.Append(bytes + runStart, (int)(length - runStart));
    if (!line.IsEmpty())
        AddLine(lines, line, trim);
}
