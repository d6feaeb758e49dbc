#include "framework/values/CalculatorButton.h"

#include "framework/values/CalculatorPopup.h"
#include "framework/values/CurrencyFormat.h"
#include "framework/values/ValueFormatSettings.h"

#include "foundation/settings/RegionalSettings.h"
#include "foundation/windows/Drawing.h"

#include <math.h>
#include <string.h>

BEGIN_MESSAGE_MAP(CCalculatorButton, CButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
    ON_MESSAGE(WM_POPUP_SELECTED, OnValueChosen)
    ON_MESSAGE(WM_POPUP_CANCELLED, OnClosedWithoutValue)
END_MESSAGE_MAP()

void CCalculatorButton::EnableWithField(BOOL enable)
{
    EnableWindow(enable);
    if (m_edit != NULL && m_edit->GetSafeHwnd() != NULL)
        m_edit->EnableWindow(enable);
}

BOOL CCalculatorButton::OnClicked()
{
    const CValueFormatSettings& settings = ValueFormatSettings();
    CString text;
    if (m_edit != NULL && m_edit->GetSafeHwnd() != NULL)
        m_edit->GetWindowText(text);
    CurrencyAmount amount = {CPackedDecimal(), FALSE};
    double value = 0.0;
    if (ParseCurrencyText(text, settings.positiveDataEntryCurrencyFormat, settings.negativeDataEntryCurrencyFormat,
                          &amount) &&
        amount.valid)
        value = amount.amount.GetValue();

    EnableWithField(FALSE);
    CRect rect;
    GetWindowRect(&rect);
    if (OpenCalculatorPopup(CPoint(rect.left, rect.bottom), CPoint(rect.left, rect.top), this, value) == NULL)
        EnableWithField(TRUE);
    return TRUE;
}

LRESULT CCalculatorButton::OnValueChosen(WPARAM high, LPARAM low)
{
    unsigned long long bits = ((unsigned long long)(DWORD)high << 32) | (DWORD)low;
    double value;
    memcpy(&value, &bits, sizeof(value));
    EnableWithField(TRUE);
    if (m_edit == NULL || m_edit->GetSafeHwnd() == NULL)
        return 0;
    if (fabs(value) >= (double)MostCurrencyUnits + 0.995)
    {
        // Beyond what an amount holds: the field keeps its amount.
        SoundBeep();
        return 0;
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
    m_edit->SetWindowText(FormatCurrencyAmount(amount, positive, negative));
    return 0;
}

LRESULT CCalculatorButton::OnClosedWithoutValue(WPARAM, LPARAM)
{
    EnableWithField(TRUE);
    return 0;
}
