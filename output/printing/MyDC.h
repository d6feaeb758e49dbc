#pragma once
// The printer's device context: a CDC that also carries the logical
// resolution that printed output is laid out for.
#include "afx/app/AfxWin.h"

class CMyDC : public CDC
{
    DECLARE_DYNAMIC(CMyDC)

public:
    CMyDC() : m_xResolution(75), m_yResolution(75) {}
    ~CMyDC() override {}

    void SetResolution(int x, int y)
    {
        m_xResolution = x;
        m_yResolution = y;
    }

    int m_xResolution;
    int m_yResolution;
};

// The dots per inch of any device context: a printer DC's own values,
// otherwise LOGPIXELSX and LOGPIXELSY.
void GetDeviceResolution(CDC* dc, int* x, int* y);
