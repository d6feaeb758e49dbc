#pragma once
// A header control that can delete itself with its window.
#include "afx/app/AfxWin.h"
#include "afx/controls/HeaderCtrl.h"

class CMyHeaderCtrl : public CHeaderCtrl
{
    DECLARE_DYNCREATE(CMyHeaderCtrl)

public:
    int m_deleteWithWindow = 0;

protected:
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()
};
