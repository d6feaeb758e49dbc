#include "framework/values/CalculatorButton.h"

#include "framework/values/CalculatorPopup.h"
#include "framework/values/CurrencyFormat.h"
#include "framework/values/ValueFormatSettings.h"

#include "foundation/settings/RegionalSettings.h"
#include "foundation/windows/Drawing.h"
#include "foundation/system/SoundBeep.h"

#include <math.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CCalculatorButton, CMyButton)

BEGIN_MESSAGE_MAP(CCalculatorButton, CMyButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

BOOL CCalculatorButton::Attach(HWND button)
{
    if (button == NULL || !SubclassWindow(button))
        return FALSE;
    HWND edit = ::GetWindow(button, GW_HWNDPREV);
    if (edit != NULL)
        m_edit.SubclassWindow(edit);
    return TRUE;
}

BOOL CCalculatorButton::OnClicked()
{
    const CValueFormatSettings& settings = ValueFormatSettings();
    CString text;
    if (m_edit.GetSafeHwnd() != NULL)
        m_edit.GetWindowText(text);
    CurrencyAmount amount = {CPackedDecimal(), FALSE};
    double value = 0.0;
    if (ParseCurrencyText(text, settings.positiveDataEntryCurrencyFormat, settings.negativeDataEntryCurrencyFormat,
                          &amount) &&
        amount.valid)
        value = amount.amount.GetValue();

    EnableWithLabels(FALSE);
    if (OpenCalculatorPopup(GetDropDownPoint(), GetDropUpPoint(), this, value) == NULL)
        EnableWithLabels(TRUE);
    return TRUE;
}

void CCalculatorButton::OnPopupValue(WPARAM high, LPARAM low)
{
    unsigned long long bits = ((unsigned long long)(DWORD)high << 32) | (DWORD)low;
    double value;
    memcpy(&value, &bits, sizeof(value));
    EnableWithLabels(TRUE);
    if (m_edit.GetSafeHwnd() == NULL)
        return;
    if (fabs(value) >= (double)MostCurrencyUnits + 0.995)
    {
        // Beyond what an amount holds: the field keeps its amount.
        SoundBeep();
        return;
    }
    const CValueFormatSettings& settings = ValueFormatSettings();
    CurrencyAmount amount = {CPackedDecimal(), TRUE};
    amount.amount.SetValue(value);
    CString positive = settings.positiveDataEntryCurrencyFormat;
    CString negative = settings.negativeDataEntryCurrencyFormat;
    if (positive.IsEmpty())
        positive = GetRegionalCurrencyFormat();
    if (negative.IsEmpty())
        negative = GetRegionalNegativeCurrencyFormat();
    m_edit.SetWindowText(FormatCurrencyAmount(amount, positive, negative));
}

void CCalculatorButton::OnPopupClosed(WPARAM, LPARAM)
{
    EnableWithLabels(TRUE);
}
