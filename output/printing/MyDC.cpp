#include "output/printing/MyDC.h"

IMPLEMENT_DYNAMIC(CMyDC, CDC)

void GetDeviceResolution(CDC* dc, int* x, int* y)
{
    CMyDC* printerDC = DYNAMIC_DOWNCAST(CMyDC, dc);
    if (printerDC != NULL)
    {
        *x = printerDC->m_xResolution;
        *y = printerDC->m_yResolution;
        return;
    }
    *x = dc->GetDeviceCaps(LOGPIXELSX);
    *y = dc->GetDeviceCaps(LOGPIXELSY);
}
