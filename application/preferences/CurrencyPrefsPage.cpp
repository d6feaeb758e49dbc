#include "application/preferences/CurrencyPrefsPage.h"

#include "afx/dialogs/Ddx.h"
#include "application/preferences/PreferenceControls.h"
#include "application/preferences/PreferencesIds.h"
#include "framework/values/CurrencyFormat.h"

IMPLEMENT_DYNAMIC(CCurrencyPrefsPage, CPreferencesPage)

CCurrencyPrefsPage::CCurrencyPrefsPage() : CPreferencesPage(IDD_CURRENCY_PREFS)
{
}

CString CurrencyFormatExample(LPCTSTR code, BOOL positive)
{
    CurrencyAmount amount;
    amount.amount.SetValue(positive ? 1234.5 : -1234.5);
    amount.valid = TRUE;
    return FormatCurrencyAmount(amount, positive ? code : "", positive ? "" : code);
}

namespace
{
// Each code with its example, as the lists show them.
CStringArray& Examples(BOOL positive)
{
    static CStringArray examples[2];
    CStringArray& list = examples[positive ? 1 : 0];
    const CStringArray& codes = positive ? PositiveCurrencyFormatCodes() : NegativeCurrencyFormatCodes();
    list.RemoveAll();
    for (int i = 0; i < codes.GetSize(); i++)
        list.Add(CurrencyFormatExample(codes[i], positive));
    return list;
}
}  // namespace

void CCurrencyPrefsPage::DoDataExchange(CDataExchange* pDX)
{
    CPreferencesPage::DoDataExchange(pDX);
    // The examples follow the symbols as they are now.
    const CStringArray& positiveExamples = Examples(TRUE);
    const CStringArray& negativeExamples = Examples(FALSE);
    for (int use = 0; use < UseCount; use++)
    {
        DDX_ValueList(pDX, IDC_POSITIVE_CURRENCY_FIRST + use, m_positiveFormats[use], PositiveCurrencyFormatCodes(),
                      positiveExamples);
        DDX_ValueList(pDX, IDC_NEGATIVE_CURRENCY_FIRST + use, m_negativeFormats[use], NegativeCurrencyFormatCodes(),
                      negativeExamples);
    }
    DDX_Text(pDX, IDC_CURRENCY_SYMBOL, m_currencySymbol);
    DDX_Text(pDX, IDC_CURRENCY_GROUP_DIGITS, m_groupDigitsCount);
    DDV_MinMaxInt(pDX, m_groupDigitsCount, 0, 9);
    DDX_Text(pDX, IDC_CURRENCY_GROUP_SYMBOL, m_groupSymbol);
    DDX_Text(pDX, IDC_CURRENCY_FRACTION_SYMBOL, m_fractionalSymbol);
}
