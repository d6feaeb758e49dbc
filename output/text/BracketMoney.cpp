#include "output/text/BracketMoney.h"

#include <cstdio>

// Until the currency formats are available here, money is read only as a
// plain number (the caller's fallback) and written with two decimals.
BOOL ReadMoneyText(LPCTSTR text, CPackedDecimal* amount)
{
    return FALSE;
}

CString WriteMoneyText(const CPackedDecimal& amount)
{
    CString text;
    text.Format("%.2f", amount.GetValue());
    return text;
}
