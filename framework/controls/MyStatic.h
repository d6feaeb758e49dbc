#pragma once
// A static control that can delete itself with its window.
#include "afx/app/AfxWin.h"

class CMyStatic : public CStatic
{
    DECLARE_DYNCREATE(CMyStatic)

public:
    CMyStatic() : m_deleteWithWindow(0) {}

    int m_deleteWithWindow;

protected:
    void PostNcDestroy() override;
};
