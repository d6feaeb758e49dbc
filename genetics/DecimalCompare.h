#pragma once

// Comparisons of polygene values to a number of decimal places (clamped to 0..9):
// two values are equal when they differ by less than half a unit of the last place.
double GetDecimalTolerance(int places);
bool ApproxEqual(double a, double b, int places);
bool ApproxLess(double a, double b, int places);
bool ApproxGreater(double a, double b, int places);

// Reads a number of a configuration or genotype text ("%lf"); only finite
// numbers are numbers here, so "nan" or "inf" cannot become a share or a value.
bool ReadFiniteNumber(const char* text, double* value);
