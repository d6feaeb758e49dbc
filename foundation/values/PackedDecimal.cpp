#include "foundation/values/PackedDecimal.h"

#include <cmath>

namespace
{
const DWORD WholeMask = 0x00FFFFFF;
const DWORD SignBit = 0x80000000;
const DWORD MostWhole = 9999999;
}

double CPackedDecimal::GetValue() const
{
    double value = (double)(m_dwValue & WholeMask) + (double)((m_dwValue >> 24) & 0x7F) / 100.0;
    return (m_dwValue & SignBit) != 0 ? -value : value;
}

CPackedDecimal& CPackedDecimal::SetValue(double value)
{
    const double eps = 0.005;
    bool negative = false;
    if (value < -eps)
    {
        negative = true;
        value = -value;
    }
    else if (value <= eps)
    {
        m_dwValue = 0;
        return *this;
    }
    double whole = floor(value);
    double rest = value - whole;
    DWORD units = whole >= (double)MostWhole ? MostWhole : (DWORD)whole;
    DWORD hundredths = (DWORD)((rest + 0.005) * 100.0);
    if (hundredths > 100)
        hundredths = 100;
    m_dwValue = units | (hundredths << 24) | (negative ? SignBit : 0);
    return *this;
}

CPackedDecimal& CPackedDecimal::Add(const CPackedDecimal& other)
{
    return SetValue(GetValue() + other.GetValue());
}
