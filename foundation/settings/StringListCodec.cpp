#include "foundation/settings/StringListCodec.h"

#include "foundation/text/InlineText2000.h"
#include "foundation/values/ValueConversions.h"

#include <ctype.h>
#include <string.h>
#include <vector>

namespace
{
    void AppendNumber(CInlineText2000& out, int value)
    {
        out.Append(IntToString(value, -1));
    }

    // Writes "R:L," for a run of two or more, "L," for a single string.
    void AppendRun(CInlineText2000& out, int repeat, int length)
    {
        if (repeat >= 2)
        {
            AppendNumber(out, repeat);
            out.AppendChar(':');
        }
        AppendNumber(out, length);
        out.AppendChar(',');
    }

    struct Run
    {
        int repeat;
        int length;
    };

    // Reads the number between text and the next ',' (exclusive); advances past
    // the ','. FALSE when there is no ',' or the number does not parse.
    bool ReadNumberField(const char*& text, int& value)
    {
        const char* comma = strchr(text, ',');
        if (comma == NULL)
            return false;
        CString field(text, (int)(comma - text));
        int parsed = 0;
        if (!ParseInt(field, &parsed))
            return false;
        value = parsed;
        text = comma + 1;
        return true;
    }

    // One group "R:L," or "L,"; it must begin with a digit.
    bool ReadRun(const char*& text, Run& run)
    {
        if (!isdigit((unsigned char)*text))
            return false;
        const char* comma = strchr(text, ',');
        if (comma == NULL)
            return false;
        CString group(text, (int)(comma - text));
        int colon = group.Find(':');
        int repeat = 1;
        int length = 0;
        if (colon >= 0)
        {
            if (!ParseInt(group.Left(colon), &repeat) || repeat < 2)
                return false;
            if (!ParseInt(group.Mid(colon + 1), &length))
                return false;
        }
        else if (!ParseInt(group, &length))
        {
            return false;
        }
        if (length < 0)
            return false;
        run.repeat = repeat;
        run.length = length;
        text = comma + 1;
        return true;
    }

    // Form "a" lists the length of every string (runs of equal lengths folded);
    // form "r" lists runs of equal strings, each string's text given once.
    bool DecodeList(const char* text, bool repeatsFolded, CStringArray& strings)
    {
        int count = 0;
        if (!ReadNumberField(text, count) || count < 0)
            return false;
        if (count == 0)
            return true;
        int runCount = 0;
        if (repeatsFolded && (!ReadNumberField(text, runCount) || runCount < 1))
            return false;

        std::vector<Run> runs;
        long long listed = 0;
        long long total = 0;
        while (repeatsFolded ? (int)runs.size() < runCount : listed < count)
        {
            Run run;
            if (!ReadRun(text, run))
                return false;
            listed += run.repeat;
            if (listed > count)
                return false;
            total += repeatsFolded ? run.length : (long long)run.repeat * run.length;
            runs.push_back(run);
        }
        if (listed != count || (long long)strlen(text) != total)
            return false;

        for (size_t i = 0; i < runs.size(); ++i)
        {
            for (int k = 0; k < runs[i].repeat; ++k)
            {
                strings.Add(CString(text, runs[i].length));
                if (!repeatsFolded)
                    text += runs[i].length;
            }
            if (repeatsFolded)
                text += runs[i].length;
        }
        return true;
    }
}

CString EncodeStringList(const CStringArray& strings)
{
    int count = (int)strings.GetSize();
    int runCount = 0;
    for (int i = 0; i < count; ++i)
    {
        if (i == 0 || strings[i] != strings[i - 1])
            ++runCount;
    }

    CInlineText2000 out;
    if (runCount < count / 2)
    {
        out.AppendChar('r');
        AppendNumber(out, count);
        out.AppendChar(',');
        AppendNumber(out, runCount);
        out.AppendChar(',');
        for (int i = 0; i < count;)
        {
            int end = i + 1;
            while (end < count && strings[end] == strings[i])
                ++end;
            AppendRun(out, end - i, strings[i].GetLength());
            i = end;
        }
        for (int i = 0; i < count; ++i)
        {
            if (i == 0 || strings[i] != strings[i - 1])
                out.Append(strings[i]);
        }
    }
    else
    {
        out.AppendChar('a');
        AppendNumber(out, count);
        out.AppendChar(',');
        for (int i = 0; i < count;)
        {
            int end = i + 1;
            while (end < count && strings[end].GetLength() == strings[i].GetLength())
                ++end;
            AppendRun(out, end - i, strings[i].GetLength());
            i = end;
        }
        for (int i = 0; i < count; ++i)
            out.Append(strings[i]);
    }
    return CString(out.GetText(), out.GetLength());
}

BOOL DecodeStringList(LPCTSTR text, CStringArray& strings)
{
    strings.RemoveAll();
    if (text == NULL || text[0] == '\0')
        return FALSE;
    bool ok = false;
    if (text[0] == 'a' || text[0] == 'r')
        ok = DecodeList(text + 1, text[0] == 'r', strings);
    if (!ok)
        strings.RemoveAll();
    return ok;
}
