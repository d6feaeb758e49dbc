#include "framework/values/CalculatorState.h"

#include <algorithm>
#include <math.h>
#include <stdio.h>

namespace
{
    const int MostDigits = 15;

    // Trailing zeros of the decimals go; the point stays.
    void CutZeros(CString& text)
    {
        if (text.Find('.') >= 0)
            text.TrimRight('0');
    }

    void Measure(const CString& text, int* integers, int* decimals)
    {
        int point = text.Find('.');
        *integers = point < 0 ? text.GetLength() : point;
        *decimals = point < 0 ? 0 : text.GetLength() - point - 1;
    }
}

BOOL FormatCalculatorValue(double value, int capacity, int digitLimit, CString* text)
{
    if (!isfinite(value))
        return FALSE;
    // The text is formatted into a string sized for it, however large.
    text->Format("%.*lf", digitLimit, value);
    CutZeros(*text);
    int allowed = (value > -1.0 && value < 1.0) ? std::min(capacity, MostDigits + 1) : std::min(capacity, MostDigits);
    for (;;)
    {
        int integers, decimals;
        Measure(*text, &integers, &decimals);
        if (integers > allowed || integers >= 14)
            return FALSE;
        if (integers + decimals <= allowed)
            return TRUE;
        text->Format("%.*lf", allowed - integers, value);
        CutZeros(*text);
    }
}

CCalculatorState::CCalculatorState() : m_capacity(MostDigits + 1), m_digitLimit(MostDigits)
{
    Reset();
}

void CCalculatorState::Reset()
{
    m_value = 0.0;
    m_entry.Empty();
    m_pending = 0;
    m_newEntry = TRUE;
    m_error = FALSE;
}

void CCalculatorState::SetValue(double value)
{
    Reset();
    m_value = value;
    Show();
}

void CCalculatorState::SetCapacity(int capacity)
{
    m_capacity = capacity;
    m_digitLimit = std::min(capacity, MostDigits);
}

CString CCalculatorState::GetDisplayText() const
{
    if (m_error)
        return "Error ";
    if (m_entry.IsEmpty())
        return "0.";
    return m_entry.Find('.') < 0 ? m_entry + "." : m_entry;
}

BOOL CCalculatorState::Press(int code)
{
    if (m_error && code != CALC_CLEAR && code != CALC_CLEAR_ENTRY)
        return FALSE;
    if (code >= CALC_DIGIT_0 && code <= CALC_DIGIT_9)
        return Digit(code - CALC_DIGIT_0);
    switch (code)
    {
    case CALC_POINT:
        Point();
        break;
    case CALC_DELETE:
        if (!m_newEntry && !m_entry.IsEmpty())
            m_entry = m_entry.Left(m_entry.GetLength() - 1);
        break;
    case CALC_CLEAR:
        Reset();
        break;
    case CALC_CLEAR_ENTRY:
        if (m_error)
            Reset();
        else
        {
            m_entry.Empty();
            m_newEntry = TRUE;
        }
        break;
    case CALC_MULTIPLY:
    case CALC_ADD:
    case CALC_SUBTRACT:
    case CALC_DIVIDE:
    case CALC_EQUALS:
    case CALC_PERCENT:
        Operate(code);
        break;
    default:
        break;
    }
    return TRUE;
}

BOOL CCalculatorState::Digit(int digit)
{
    if (m_newEntry)
    {
        m_entry.Empty();
        m_newEntry = FALSE;
    }
    if (digit == 0 && m_entry.IsEmpty())
        return TRUE;
    int point = m_entry.Find('.');
    CString digits = m_entry;
    digits.Remove('-');
    digits.Remove('.');
    int decimals = point < 0 ? 0 : m_entry.GetLength() - point - 1;
    int integers = digits.GetLength() - decimals;
    CString unsignedEntry = m_entry;
    unsignedEntry.TrimLeft('-');
    int limit = std::min(m_capacity, unsignedEntry.Left(1) == "0" ? MostDigits + 1 : MostDigits);
    if (decimals < m_digitLimit && (point >= 0 || integers < 13) && integers + decimals < limit)
    {
        m_entry += (char)('0' + digit);
        return TRUE;
    }
    return FALSE;
}

void CCalculatorState::Point()
{
    if (m_newEntry)
    {
        m_entry.Empty();
        m_newEntry = FALSE;
    }
    if (m_entry.IsEmpty())
        m_entry = "0.";
    else if (m_entry.Find('.') < 0)
        m_entry += '.';
}

BOOL CCalculatorState::EntryValue(double* x) const
{
    *x = 0.0;
    return m_entry.IsEmpty() || sscanf(m_entry, "%lf", x) == 1;
}

void CCalculatorState::Operate(int code)
{
    double x;
    if (!EntryValue(&x))
        return;
    double result = x;
    if (code == CALC_PERCENT)
        result = (m_pending == CALC_MULTIPLY || m_pending == CALC_DIVIDE) ? x * m_value / 100.0 : 0.0;
    else if (m_pending == CALC_MULTIPLY)
        result = m_value * x;
    else if (m_pending == CALC_ADD)
        result = m_value + x;
    else if (m_pending == CALC_SUBTRACT)
        result = m_value - x;
    else if (m_pending == CALC_DIVIDE)
    {
        if (x == 0.0)
        {
            m_error = TRUE;
            return;
        }
        result = m_value / x;
    }
    m_value = result;
    m_newEntry = TRUE;
    m_pending = (code == CALC_EQUALS || code == CALC_PERCENT) ? 0 : code;
    Show();
}

void CCalculatorState::Show()
{
    CString text;
    if (FormatCalculatorValue(m_value, m_capacity, m_digitLimit, &text))
        m_entry = text;
    else
        m_error = TRUE;
}
