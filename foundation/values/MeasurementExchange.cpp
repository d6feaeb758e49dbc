#include "foundation/values/MeasurementExchange.h"

#include "foundation/messages/MessageHook.h"

namespace
{
void FailWith(CDataExchange* pDX, LPCTSTR message)
{
    ShowFoundationError("%s", message);
    pDX->Fail();
}
}

void DDX_Measurement(CDataExchange* pDX, int nIDC, CDecimal& value, DWORD flags)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        int length = ::GetWindowTextLengthA(hWndCtrl);
        CString text;
        ::GetWindowTextA(hWndCtrl, text.GetBufferSetLength(length), length + 1);
        text.ReleaseBuffer();
        if (value.ParseMeasurement(text))
        {
            bool aboveZero = (value.GetWhole() != 0 || value.GetFraction() != 0) && !value.IsNegative();
            if (!aboveZero && (flags & MEASURE_POSITIVE) != 0)
                FailWith(pDX, "A positive measurement is expected here.");
            if (value.IsNegative() && (flags & MEASURE_NOT_NEGATIVE) != 0)
                FailWith(pDX, "A non-negative measurement is expected here.");
        }
        else if ((flags & MEASURE_REPORT_INVALID) != 0)
            FailWith(pDX, "Invalid measurement");
    }
    AfxSetWindowText(hWndCtrl, value.FormatMeasurement());
}

void DDV_MeasurementRange(CDataExchange* pDX, const CDecimal& value, const CDecimal& minimum,
                          const CDecimal& maximum)
{
    if (value.Compare(minimum) >= 0 && value.Compare(maximum) <= 0)
        return;
    if (!pDX->m_bSaveAndValidate)
        return;
    ShowFoundationError("a measurement between %s and %s is expected",
                        (LPCTSTR)minimum.FormatMeasurement(), (LPCTSTR)maximum.FormatMeasurement());
    pDX->Fail();
}
