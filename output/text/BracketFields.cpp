#include "output/text/BracketFields.h"

#include <cctype>
#include <cmath>
#include <cstring>

#include "foundation/text/InlineText100.h"
#include "foundation/text/InlineText2000.h"
#include "foundation/text/StringLists.h"
#include "foundation/text/TextLines.h"
#include "foundation/text/Tokenizer.h"
#include "foundation/values/NumberText.h"
#include "foundation/values/PackedDecimal.h"
#include "foundation/text/TextReflow.h"
#include "foundation/text/TextReplace.h"
#include "output/text/BracketMoney.h"

CString PositiveOutputCurrencyFormat;
CString NegativeOutputCurrencyFormat;

namespace
{
// Fields nest by expanding their arguments recursively; deeper nesting than
// this gives empty fields instead of exhausting the stack.
const int MaximumNesting = 24;
int nestingLevel = 0;

struct NestingGuard
{
    NestingGuard() { ++nestingLevel; }
    ~NestingGuard() { --nestingLevel; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;
};

bool IsLetter(char c)
{
    return isalpha((unsigned char)c) != 0;
}

CString Expand(const CString& text)
{
    return ExpandBracketFields(text);
}

// The separator: the prefix's first character, else the default.
char PrefixChar(const CString& prefix, int index, char fallback)
{
    return index < prefix.GetLength() ? prefix[index] : fallback;
}

int PrefixWidth(const CString& prefix)
{
    int width = 0;
    if (!ParseInt(prefix, &width) || width < 1)
        width = 1;
    return width;
}

// Items of a list: split at the separator (parentheses protect it), trimmed,
// empty items dropped.
void SplitItems(const CString& text, char separator, CStringArray& items)
{
    TokenizeText(text, items, separator, TOKENIZE_TRIM, -1, '(', ')');
    TrimStringArray(&items);
    RemoveEmptyStrings(&items);
}

// Fields of a raw argument: split at the separator outside nested fields,
// empty fields kept.
int SplitRaw(const CString& text, char separator, CStringArray& fields)
{
    return TokenizeText(text, fields, separator, TOKENIZE_KEEP_EMPTY, -1, '[', ']');
}

// ----- totals and products

enum KindClass
{
    MoneyKind,
    DecimalKind,
    IntegerKind
};

bool ClassifyKind(char kind, KindClass* kindClass, bool* zeroShown)
{
    switch (kind)
    {
    case 'c': *kindClass = MoneyKind; *zeroShown = false; return true;
    case 'd': *kindClass = MoneyKind; *zeroShown = true; return true;
    case 'f': *kindClass = DecimalKind; *zeroShown = false; return true;
    case 'g': *kindClass = DecimalKind; *zeroShown = true; return true;
    case 'n': *kindClass = IntegerKind; *zeroShown = false; return true;
    case 'o': *kindClass = IntegerKind; *zeroShown = true; return true;
    default: return false;
    }
}

bool ReadMoneyItem(const CString& item, CPackedDecimal* amount)
{
    if (ReadMoneyText(item, amount))
        return true;
    double number = 0;
    int whole = 0;
    if (ParseDouble(item, &number))
        amount->SetValue(number);
    else if (ParseInt(item, &whole))
        amount->SetValue(whole);
    else
        return false;
    return true;
}

struct Total
{
    KindClass kindClass;
    CPackedDecimal money;
    double decimal;
    int integer;
};

CString WriteTotal(const Total& total, bool zeroShown)
{
    switch (total.kindClass)
    {
    case MoneyKind:
        if (total.money.GetValue() == 0 && !zeroShown)
            return CString();
        return WriteMoneyText(total.money);
    case DecimalKind:
        if (fabs(total.decimal) < 0.00001)
            return zeroShown ? CString("0") : CString();
        return DoubleToString(total.decimal, 0);
    default:
        if (total.integer == 0)
            return zeroShown ? CString("0") : CString();
        return IntToString(total.integer);
    }
}

CString SumOrProduct(bool product, char kind, const CString& prefix, const CString& argument)
{
    Total total = {};
    bool zeroShown = false;
    if (!ClassifyKind(kind, &total.kindClass, &zeroShown))
        return CString();
    total.money.m_dwValue = 0;
    CStringArray items;
    SplitItems(Expand(argument), PrefixChar(prefix, 0, ' '), items);

    if (!product)
    {
        for (int i = 0; i < items.GetSize(); ++i)
        {
            if (total.kindClass == MoneyKind)
            {
                CPackedDecimal amount;
                if (ReadMoneyItem(items[i], &amount))
                    total.money.Add(amount);
            }
            else if (total.kindClass == DecimalKind)
            {
                double value = 0;
                if (ParseDouble(items[i], &value))
                    total.decimal += value;
            }
            else
            {
                int value = 0;
                if (ParseInt(items[i], &value))
                    total.integer += value;
            }
        }
        return WriteTotal(total, zeroShown);
    }

    double factor = 0;
    if (items.GetSize() == 2 && ParseDouble(items[0], &factor))
    {
        if (total.kindClass == MoneyKind)
        {
            CPackedDecimal amount;
            if (ReadMoneyItem(items[1], &amount))
                total.money.SetValue(factor * amount.GetValue());
        }
        else if (total.kindClass == DecimalKind)
        {
            double value = 0;
            if (ParseDouble(items[1], &value))
                total.decimal = factor * value;
        }
        else
        {
            int value = 0;
            if (ParseInt(items[1], &value))
            {
                // Halves round away from zero on both sides.
                double exact = factor * value;
                double rounded = exact < 0 ? exact - 0.5 : exact + 0.5;
                if (rounded > 2147483647.0)
                    rounded = 2147483647.0;
                if (rounded < -2147483647.0)
                    rounded = -2147483647.0;
                total.integer = (int)rounded;
            }
        }
    }
    return WriteTotal(total, zeroShown);
}

// ----- text by emptiness, choice, joining, cutting

CString TextByEmptiness(const CString& prefix, const CString& argument)
{
    char separator = PrefixChar(prefix, 0, ',');
    char placeholder = PrefixChar(prefix, 1, '%');
    bool append = PrefixChar(prefix, 2, 0) != '!';
    CStringArray fields;
    if (SplitRaw(argument, separator, fields) != 3)
        return CString();
    CString value = Expand(fields[2]);
    if (value.IsEmpty())
        return Expand(fields[0]);
    const CString& pattern = fields[1];
    if (pattern.IsEmpty())
        return value;

    CString result;
    int depth = 0;
    int pieceStart = 0;
    bool cut = false;
    for (int i = 0; i < pattern.GetLength(); ++i)
    {
        char c = pattern[i];
        if (c == '[')
            ++depth;
        else if (c == ']' && depth > 0)
            --depth;
        else if (c == placeholder && depth == 0)
        {
            result += Expand(pattern.Mid(pieceStart, i - pieceStart));
            result += value;
            pieceStart = i + 1;
            cut = true;
        }
    }
    result += Expand(pattern.Mid(pieceStart));
    if (!cut && append)
        result += value;
    return result;
}

CString Choice(const CString& prefix, const CString& argument)
{
    CStringArray fields;
    if (SplitRaw(argument, PrefixChar(prefix, 0, ','), fields) != 4)
        return CString();
    return Expand(fields[0]) == Expand(fields[1]) ? Expand(fields[2]) : Expand(fields[3]);
}

CString JoinLines(const CString& prefix, const CString& argument)
{
    CString joiner = prefix.IsEmpty() ? CString(", ") : prefix;
    CStringArray lines;
    SplitLines(lines, Expand(argument));
    CStringArray kept;
    for (int i = 0; i < lines.GetSize(); ++i)
    {
        CString line = lines[i];
        line.TrimLeft(" ");
        line.TrimRight(" ");
        for (const char* p = ",;:"; *p != '\0'; ++p)
            if (joiner.Find(*p) >= 0)
                line.TrimRight(*p);
        if (!line.IsEmpty())
            kept.Add(line);
    }
    return JoinStrings(kept, joiner, 0, -1);
}

CString Pad(const CString& prefix, const CString& argument, bool left)
{
    CString text = Expand(argument);
    int missing = PrefixWidth(prefix) - text.GetLength();
    if (missing <= 0)
        return text;
    CString blanks(' ', missing);
    return left ? blanks + text : text + blanks;
}

CString KeepChars(const CString& argument, int (*keep)(int))
{
    CString result;
    for (int i = 0; i < argument.GetLength(); ++i)
        if (keep((unsigned char)argument[i]))
            result += argument[i];
    return result;
}

// Reads the leading count of an "n,text" argument; the text follows.
bool ReadLeadingNumber(const CString& text, char separator, int* number, CString* rest)
{
    int at = text.Find(separator);
    if (at < 0)
        return false;
    if (!ParseInt(text.Left(at), number) || *number < 1)
        return false;
    *rest = text.Mid(at + 1);
    return true;
}

CString Cut(char which, const CString& prefix, const CString& argument)
{
    char separator = PrefixChar(prefix, 0, ',');
    CString text = Expand(argument);
    int first = 0;
    CString rest;
    if (!ReadLeadingNumber(text, separator, &first, &rest))
        return CString();
    if (which == 'l')
        return rest.Left(first);
    if (which == 'r')
        return first >= rest.GetLength() ? rest : rest.Right(first);
    int count = 0;
    CString tail;
    if (!ReadLeadingNumber(rest, separator, &count, &tail))
        return CString();
    if (first > tail.GetLength())
        return CString();
    return tail.Mid(first - 1, count);
}

CString Initials(const CString& prefix, const CString& argument)
{
    CStringArray items;
    SplitItems(Expand(argument), PrefixChar(prefix, 0, ' '), items);
    CString result;
    for (int i = 0; i < items.GetSize(); ++i)
        result += items[i][0];
    return result;
}

CString StripPrefix(const CString& prefix, const CString& argument)
{
    CStringArray fields;
    if (SplitRaw(argument, PrefixChar(prefix, 0, ','), fields) != 3)
        return CString();
    CString text = Expand(fields[1]);
    CString start = Expand(fields[2]);
    // The remainder is already expanded: expanding it again would undo an
    // escaped "\[" in the text.
    if (!start.IsEmpty() && text.Left(start.GetLength()) == start)
        return text.Mid(start.GetLength());
    return text;
}

int IsLetterChar(int c)
{
    return isalpha(c);
}
int IsDigitChar(int c)
{
    return isdigit(c);
}
int IsLetterOrDigitChar(int c)
{
    return isalnum(c);
}
} // namespace

CString EvaluateBracketField(LPCTSTR field)
{
    if (field == NULL || nestingLevel >= MaximumNesting)
        return CString();
    NestingGuard guard;
    int length = (int)strlen(field);
    if (length == 0)
        return CString();

    // The prefix: everything before the first letter outside "{...}" groups;
    // the last character is never part of it.
    int i = 0;
    int groupDepth = 0;
    while (i < length - 1)
    {
        char c = field[i];
        if (c == '{')
            ++groupDepth;
        else if (c == '}' && groupDepth > 0)
            --groupDepth;
        else if (groupDepth == 0 && IsLetter(c))
            break;
        ++i;
    }
    if (!IsLetter(field[i]))
        return CString();
    CInlineText100 prefixText(field, i);
    CString prefix(prefixText.GetText(), prefixText.GetLength());
    const char* code = field + i;
    char second = code[1];

    switch (code[0])
    {
    case 'a':
        if ((second == 's' || second == 'p') && code[2] != '\0')
            return SumOrProduct(second == 'p', code[2], prefix, code + 3);
        return CString();
    case 'c':
    {
        int mode = second == 'l' ? 2 : second == 's' ? 3 : second == 't' ? 4 : second == 'u' ? 1 : 0;
        if (mode == 0)
            return CString();
        return ApplyTextCase(Expand(code + 2), mode);
    }
    case 'e':
        return TextByEmptiness(prefix, code + 1);
    case 'j':
        return JoinLines(prefix, code + 1);
    case 'l':
        return Pad(prefix, code + 1, true);
    case 'r':
        return Pad(prefix, code + 1, false);
    case 'm':
        return ReplaceCharWithChar(Expand(code + 1), ',', '\x02');
    case 'u':
        return ReplaceCharWithChar(Expand(code + 1), '_', '\x01');
    case 's':
        return Choice(prefix, code + 1);
    case 'x':
        switch (second)
        {
        case 'a': return KeepChars(code + 2, IsLetterChar);
        case 'd': return KeepChars(code + 2, IsDigitChar);
        case 'n': return KeepChars(code + 2, IsLetterOrDigitChar);
        case 'i': return Initials(prefix, code + 2);
        case 'l':
        case 'r':
        case 'm': return Cut(second, prefix, code + 2);
        case 's': return StripPrefix(prefix, code + 2);
        default: return CString();
        }
    default:
        return CString();
    }
}

CString ExpandBracketFields(LPCTSTR text)
{
    if (text == NULL || *text == '\0')
        return CString();
    if (strchr(text, '[') == NULL)
        return CString(text);

    CInlineText2000 output;
    CInlineText2000 field;
    int depth = 0;
    char previous = 0;
    for (const char* p = text; *p != '\0'; ++p)
    {
        char c = *p;
        if (c == '[' && previous == '\\' && depth == 0)
        {
            // An escaped bracket is literal. Inside a field it still opens a
            // level, so the field keeps its balance; the backslash stays in
            // the field text and escapes the bracket when the field's
            // argument is expanded.
            output.Resize(output.GetLength() - 1);
            output.AppendChar('[');
            previous = 0;
            continue;
        }
        if (c == '[')
        {
            if (depth == 0)
                field.Empty();
            else
                field.AppendChar('[');
            ++depth;
        }
        else if (depth == 0)
            output.AppendChar(c);
        else if (c == ']')
        {
            --depth;
            if (depth >= 1)
                field.AppendChar(']');
            else if (!field.IsEmpty())
            {
                CString result = EvaluateBracketField(field.GetText());
                output.Append(result, result.GetLength());
            }
        }
        else
            field.AppendChar(c);
        previous = c;
    }
    return CString(output.GetText(), output.GetLength());
}
