#pragma once
// Dialog data exchange and validation of lengths typed in edit controls.
#include "foundation/values/Decimal.h"

#include "afx/app/AfxWin.h"

enum MeasurementExchangeFlags
{
    MEASURE_REPORT_INVALID = 1, // an unreadable text fails with a message
    MEASURE_POSITIVE = 4,       // the value must be above zero
    MEASURE_NOT_NEGATIVE = 8    // the value must not be negative
};

// Saving reads the control's text as a measurement into value; both ways the
// control then shows the value written in the preferred unit.
void DDX_Measurement(CDataExchange* pDX, int nIDC, CDecimal& value, DWORD flags);
// When saving, fails the exchange unless minimum <= value <= maximum.
void DDV_MeasurementRange(CDataExchange* pDX, const CDecimal& value, const CDecimal& minimum,
                          const CDecimal& maximum);
