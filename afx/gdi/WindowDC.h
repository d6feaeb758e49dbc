#pragma once

#include "afx/gdi/DC.h"

// The device context of a whole window, frame included, released at
// destruction.
class CWindowDC : public CDC
{
    DECLARE_DYNAMIC(CWindowDC)

public:
    explicit CWindowDC(CWnd* pWnd);
    virtual ~CWindowDC();

protected:
    HWND m_hWnd;
};
