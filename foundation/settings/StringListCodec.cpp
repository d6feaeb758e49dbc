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

    // Parses the characters [begin, end) as ParseInt does. Short fields (all
    // that a valid list holds) are copied into local storage, not the heap.
    bool ParseIntField(const char* begin, const char* end, int& value)
    {
        size_t length = (size_t)(end - begin);
        char local[64];
        if (length < sizeof(local))
        {
            memcpy(local, begin, length);
            local[length] = '\0';
            return ParseInt(local, &value) != FALSE;
        }
        return ParseInt(CString(begin, (int)length), &value) != FALSE;
    }

    // Reads the number between text and the next ',' (exclusive); advances past
    // the ','. FALSE when there is no ',' or the number does not parse.
    bool ReadNumberField(const char*& text, int& value)
    {
        const char* comma = strchr(text, ',');
        if (comma == NULL || !ParseIntField(text, comma, value))
            return false;
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
        const char* colon = (const char*)memchr(text, ':', (size_t)(comma - text));
        int repeat = 1;
        int length = 0;
        if (colon != NULL)
        {
            if (!ParseIntField(text, colon, repeat) || repeat < 2)
                return false;
            if (!ParseIntField(colon + 1, comma, length))
                return false;
        }
        else if (!ParseIntField(text, comma, length))
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

    // The runs of one list: up to 100 in local storage, more on the heap.
    class CRunList
    {
    public:
        CRunList() : m_count(0) {}
        void Add(const Run& run)
        {
            if (m_count < localRuns)
                m_local[m_count] = run;
            else
                m_more.push_back(run);
            ++m_count;
        }
        int Count() const { return m_count; }
        const Run& operator[](int i) const { return i < localRuns ? m_local[i] : m_more[i - localRuns]; }

    private:
        enum { localRuns = 100 };
        Run m_local[localRuns];
        std::vector<Run> m_more;
        int m_count;
    };

    // No setting holds anywhere near this many strings; a larger count comes
    // from a damaged value and would otherwise stall start-up while it
    // allocates empty strings until memory runs out.
    const int maxListedStrings = 1000000;

    // Form "a" lists the length of every string (runs of equal lengths folded);
    // form "r" lists runs of equal strings, each string's text given once.
    bool DecodeList(const char* text, bool repeatsFolded, CStringArray& strings)
    {
        int count = 0;
        if (!ReadNumberField(text, count) || count < 0 || count > maxListedStrings)
            return false;
        if (count == 0)
            return true;
        int runCount = 0;
        if (repeatsFolded && (!ReadNumberField(text, runCount) || runCount < 1))
            return false;

        CRunList runs;
        long long listed = 0;
        long long total = 0;
        while (repeatsFolded ? runs.Count() < runCount : listed < count)
        {
            Run run;
            if (!ReadRun(text, run))
                return false;
            listed += run.repeat;
            if (listed > count)
                return false;
            total += repeatsFolded ? run.length : (long long)run.repeat * run.length;
            runs.Add(run);
        }
        if (listed != count || (long long)strlen(text) != total)
            return false;

        for (int i = 0; i < runs.Count(); ++i)
        {
            const Run& run = runs[i];
            if (repeatsFolded)
            {
                // One string, given once, stands for the whole run.
                CString item(text, run.length);
                for (int k = 0; k < run.repeat; ++k)
                    strings.Add(item);
                text += run.length;
                continue;
            }
            for (int k = 0; k < run.repeat; ++k, text += run.length)
                strings.Add(CString(text, run.length));
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
