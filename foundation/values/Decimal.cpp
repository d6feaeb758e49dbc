#include "foundation/values/Decimal.h"
#include "foundation/values/NumberText.h"

#include <cmath>
#include <cstring>

static DWORD PowerOfTen(int places)
{
    DWORD p = 1;
    for (int i = 0; i < places; ++i)
        p *= 10;
    return p;
}

CDecimal& CDecimal::operator=(const CDecimal& other)
{
    if (this != &other)
    {
        m_nWhole = other.m_nWhole;
        m_nFraction = other.m_nFraction;
        m_bNegative = other.m_bNegative;
        m_nPlaces = other.m_nPlaces;
    }
    return *this;
}

CDecimal& CDecimal::SetZero()
{
    m_nWhole = 0;
    m_nFraction = 0;
    m_bNegative = 0;
    return *this;
}

CDecimal& CDecimal::InitEightPlaces()
{
    m_nPlaces = 8;
    return SetZero();
}

double CDecimal::GetValue() const
{
    double value = (double)m_nWhole + (double)m_nFraction / (double)PowerOfTen(m_nPlaces);
    return m_bNegative ? -value : value;
}

CDecimal& CDecimal::SetValue(double value)
{
    double p = (double)PowerOfTen(m_nPlaces);
    double eps = 5.0 / (p * 10.0);
    if (value >= -eps && value <= eps)
        return SetZero();
    m_bNegative = value < -eps ? 1 : 0;
    if (m_bNegative)
        value = -value;
    double whole = floor(value);
    m_nWhole = (DWORD)fmod(whole, 4294967296.0);
    double rest = value - whole;
    m_nFraction = (DWORD)((rest + eps) * p);
    // A rest that rounds up to a whole unit is carried, so that equal values
    // always have equal fields.
    if (m_nFraction >= (DWORD)p)
    {
        m_nFraction -= (DWORD)p;
        ++m_nWhole;
    }
    return *this;
}

CDecimal& CDecimal::Rescale(int places)
{
    while (m_nPlaces < places)
    {
        ++m_nPlaces;
        m_nFraction *= 10;
    }
    while (m_nPlaces > places)
    {
        --m_nPlaces;
        m_nFraction /= 10;
    }
    return *this;
}

int CDecimal::Compare(const CDecimal& other) const
{
    if (m_nPlaces < other.m_nPlaces)
    {
        CDecimal a(*this);
        return a.Rescale(other.m_nPlaces).Compare(other);
    }
    if (m_nPlaces > other.m_nPlaces)
    {
        CDecimal b(other);
        return Compare(b.Rescale(m_nPlaces));
    }
    bool negative = m_bNegative != 0;
    bool sameSign = negative == (other.m_bNegative != 0);
    if (sameSign && m_nWhole == other.m_nWhole && m_nFraction == other.m_nFraction)
        return 0;
    if (!sameSign)
        return negative ? -1 : 1;
    bool below = m_nWhole < other.m_nWhole ||
                 (m_nWhole == other.m_nWhole && m_nFraction < other.m_nFraction);
    if (below)
        return negative ? 1 : -1;
    return negative ? -1 : 1;
}

BOOL CDecimal::ParseNumberPart(const char* text, double* number, const char** rest)
{
    if (text == nullptr)
        text = "";
    size_t length = strspn(text, "-.0123456789");
    *rest = text + length;
    if (length == 0)
        return FALSE;
    CString part(text, (int)length);
    return ParseDouble(part, number);
}

BOOL CDecimal::Parse(const char* text)
{
    double number;
    const char* rest;
    if (!ParseNumberPart(text, &number, &rest))
        return FALSE;
    SetValue(number);
    return TRUE;
}
