#include "output/printing/PrinterMeasures.h"

#include "foundation/values/MeasurementExchange.h"

void DDX_PrinterInches(CDataExchange* pDX, int id, CDecimal& length)
{
    DDX_Measurement(pDX, id, length, MEASURE_REPORT_INVALID);
    DDV_MeasurementRange(pDX, length, Inches(0), Inches(10));
}
