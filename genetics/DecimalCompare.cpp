#include "genetics/DecimalCompare.h"

#include "foundation/values/NumberText.h"

#include <math.h>

double GetDecimalTolerance(int places)
{
    static const double tolerances[10] = {
        0.5, 0.05, 0.005, 0.0005, 0.00005, 0.000005, 0.0000005, 0.00000005, 0.000000005, 0.0000000005};
    if (places < 0)
        places = 0;
    if (places > 9)
        places = 9;
    return tolerances[places];
}

bool ApproxEqual(double a, double b, int places)
{
    return fabs(a - b) < GetDecimalTolerance(places);
}

bool ApproxLess(double a, double b, int places)
{
    return b - a >= GetDecimalTolerance(places);
}

bool ApproxGreater(double a, double b, int places)
{
    return a - b >= GetDecimalTolerance(places);
}

bool ReadFiniteNumber(const char* text, double* value)
{
    double number = 0.0;
    if (!ParseDouble(text, &number) || !isfinite(number))
        return false;
    *value = number;
    return true;
}
