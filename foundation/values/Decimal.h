#pragma once
// A fixed-point decimal: whole part, fraction in units of 10^-places, sign
// flag and its own number of places (0 to 8). Lengths are held in inches with
// 8 places and shown and typed in the preferred measurement unit.
#include "afx/core/AfxCore.h"

class CDecimal
{
public:
    CDecimal() : m_nWhole(0), m_nFraction(0), m_bNegative(0), m_nPlaces(5) {}
    explicit CDecimal(int places) : m_nWhole(0), m_nFraction(0), m_bNegative(0), m_nPlaces(places) {}
    CDecimal(const CDecimal&) = default;
    CDecimal& operator=(const CDecimal& other);

    CDecimal& SetZero();
    // Zero with 8 places: the form of every length in inches.
    CDecimal& InitEightPlaces();
    double GetValue() const;
    // Rounds to the decimal's places; a rest within half a unit of 1 leaves
    // the fraction at 10^places (read back as the next whole number).
    CDecimal& SetValue(double value);
    // -1, 0 or 1, compared at the larger number of places.
    int Compare(const CDecimal& other) const;
    CDecimal& Rescale(int places);

    // Reads the leading number ('-', '.' and digits). TRUE on success; a text
    // without a number is refused and leaves the decimal unchanged.
    BOOL Parse(const char* text);
    // The value (inches) in the preferred unit with the unit's text.
    CString FormatMeasurement() const;
    // A number with an optional unit word ("CM", "MM", "PT"; other words mean
    // inches); without one the preferred unit applies.
    BOOL ParseMeasurement(const char* text);

    DWORD GetWhole() const { return m_nWhole; }
    DWORD GetFraction() const { return m_nFraction; }
    DWORD IsNegative() const { return m_bNegative; }
    int GetPlaces() const { return m_nPlaces; }

private:
    // Reads the number part; FALSE when there is none or it does not read.
    static BOOL ParseNumberPart(const char* text, double* number, const char** rest);

    DWORD m_nWhole;
    DWORD m_nFraction;
    DWORD m_bNegative;
    int m_nPlaces;
};

// The preferred measurement unit: 0 inches, 1 millimetres, 2 centimetres,
// 3 points.
extern int MeasurementUnit;
