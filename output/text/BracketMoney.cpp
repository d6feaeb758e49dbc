#include "output/text/BracketMoney.h"

#include "foundation/settings/RegionalSettings.h"
#include "framework/values/CurrencyFormat.h"
#include "output/text/BracketFields.h"

namespace
{
CString PositiveCode()
{
    return PositiveOutputCurrencyFormat.IsEmpty() ? GetRegionalCurrencyFormat() : PositiveOutputCurrencyFormat;
}

CString NegativeCode()
{
    return NegativeOutputCurrencyFormat.IsEmpty() ? GetRegionalNegativeCurrencyFormat()
                                                  : NegativeOutputCurrencyFormat;
}
} // namespace

BOOL ReadMoneyText(LPCTSTR text, CPackedDecimal* amount)
{
    // Read quietly: an amount beyond range is simply not money here.
    CurrencyAmount read = {CPackedDecimal(), FALSE};
    if (!MatchCurrencyCode(text, PositiveCode(), TRUE, &read) &&
        !MatchCurrencyCode(text, NegativeCode(), FALSE, &read))
        return FALSE;
    if (!read.valid)
        return FALSE;
    *amount = read.amount;
    return TRUE;
}

CString WriteMoneyText(const CPackedDecimal& amount)
{
    CurrencyAmount value = {amount, TRUE};
    return FormatCurrencyAmount(value, PositiveCode(), NegativeCode());
}
