#pragma once

// Key sequences of the calculator and the display each one ends with; the
// characters are the keys' own ("\b" is Del, "c" C, "e" CE).

struct CalculatorSequence
{
    const char* keys;
    const char* display;
};

inline const CalculatorSequence calculatorSequences[] = {
    {"7+8=", "15."},
    {"7+8*2=", "30."},            // chained: each operator applies the pending one
    {"10-4-3=", "3."},
    {"9/2=", "4.5"},
    {"1/0=", "Error "},
    {"1/0=5+", "Error "},         // only C and CE leave the error state
    {"1/0=c", "0."},
    {"1/0=e", "0."},
    {"200*10%", "20."},
    {"200+10%", "0."},
    {"00", "0."},                 // zeros into an empty entry are ignored
    {".", "0."},
    {".5*4=", "2."},
    {"12\b", "1."},
    {"12=\b", "12."},             // Del does nothing on a shown result
    {"123e4=", "4."},
    {"2/3=", "0.666666666666667"},
    {"9999999*9999999=", "Error "}, // 14 integer digits
    {"999999*9999999=", "9999989000001."},
    {"1234567890123456789", "1234567890123."}, // 13 integer digits at most
    {"0.12345678901234567", "0.123456789012345"},
    {"5=-", "5."},
};
