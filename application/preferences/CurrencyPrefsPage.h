#pragma once
// The currency formats (positive and negative, for data entry, lists,
// output, export and imported text) and the currency symbols.
#include "application/preferences/PreferencesPage.h"

class CCurrencyPrefsPage : public CPreferencesPage
{
    DECLARE_DYNAMIC(CCurrencyPrefsPage)

public:
    CCurrencyPrefsPage();

    enum { UseCount = 5 };   // data entry, list, output, export, imported text
    CString m_positiveFormats[UseCount];
    CString m_negativeFormats[UseCount];
    CString m_currencySymbol;
    int m_groupDigitsCount = 3;
    CString m_groupSymbol;
    CString m_fractionalSymbol;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

// How a currency format code shows an amount (the examples of the lists).
CString CurrencyFormatExample(LPCTSTR code, BOOL positive);
