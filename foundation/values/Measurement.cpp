#include "foundation/values/Decimal.h"
#include "foundation/text/Trim.h"
#include "foundation/values/NumberText.h"

int MeasurementUnit = 0;

namespace
{
struct UnitInfo
{
    double factor; // from inches
    const char* suffix;
    const char* word;
};

const UnitInfo Units[] = {
    {1.0, " in", ""},
    {25.4, " mm", "MM"},
    {2.54, " cm", "CM"},
    {72.0, " pt", "PT"},
};
}

CString CDecimal::FormatMeasurement() const
{
    bool known = MeasurementUnit >= 0 && MeasurementUnit <= 3;
    double factor = known ? Units[MeasurementUnit].factor : 1.0;
    CString text = DoubleToString(GetValue() * factor, m_nPlaces);
    if (known)
        text += Units[MeasurementUnit].suffix;
    return text;
}

BOOL CDecimal::ParseMeasurement(const char* text)
{
    double number;
    const char* rest;
    if (!ParseNumberPart(text, &number, &rest))
        return FALSE;
    CString unit(rest);
    TrimString(&unit);
    unit.MakeUpper();

    // The rules exclude each other: a unit word, or no word and the
    // preferred unit; anything else is inches.
    int unitIndex = 0;
    for (int i = 1; i <= 3; ++i)
        if (unit == Units[i].word || (unit.IsEmpty() && MeasurementUnit == i))
            unitIndex = i;
    SetValue(number / Units[unitIndex].factor);
    return TRUE;
}
