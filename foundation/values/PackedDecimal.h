#pragma once
// A signed amount with two decimals in one 32-bit word: bits 0-23 whole
// units, bits 24-30 hundredths, bit 31 the sign.
#include "afx/core/AfxCore.h"

class CPackedDecimal
{
public:
    double GetValue() const;
    // Amounts within 0.005 of zero give 0; whole units are capped at
    // 9,999,999; hundredths may reach 100 (read back as the next unit).
    CPackedDecimal& SetValue(double value);
    CPackedDecimal& Add(const CPackedDecimal& other);

    DWORD m_dwValue;
};
