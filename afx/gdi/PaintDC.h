#pragma once

#include "afx/gdi/DC.h"

// The device context of a WM_PAINT: BeginPaint at construction, EndPaint at
// destruction.
class CPaintDC : public CDC
{
    DECLARE_DYNAMIC(CPaintDC)

public:
    explicit CPaintDC(CWnd* pWnd);
    virtual ~CPaintDC();

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};
