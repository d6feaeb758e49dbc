#pragma once

#include "afx/core/AfxCore.h"

// Windows regional defaults from the "intl" profile section, each read once per
// run and answered from a cache afterwards.
BOOL IsNorthAmericanEnglish();
BOOL IsCountryUnitedKingdom();
BOOL IsCountryNorthAmerica();
BOOL IsCountryEuropean();

CString GetRegionalCurrencySymbol();
CString GetRegionalDecimalSeparator();
CString GetRegionalThousandSeparator();
int GetRegionalCurrencyGroupDigits();

// Currency format codes: 'S' symbol, 'X' integer digits, 'Y' fraction digits,
// '.' decimal separator, anything else stands for itself.
CString GetRegionalCurrencyFormat();
CString GetRegionalNegativeCurrencyFormat();

// The codes that the Windows "iCurrency" and "iNegCurr" values stand for.
LPCTSTR CurrencyFormatFromWindowsCode(int iCurrency);
LPCTSTR NegativeCurrencyFormatFromWindowsCode(int iNegCurr);

// Drops every cached answer; they are read again on next use (start-up of
// tests and the exit step).
void ReleaseRegionalSettings();
