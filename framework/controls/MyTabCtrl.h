#pragma once
// A tab control that can delete itself with its window.
#include "afx/app/AfxWin.h"

class CMyTabCtrl : public CTabCtrl
{
    DECLARE_DYNCREATE(CMyTabCtrl)

public:
    int m_deleteWithWindow = 0;

protected:
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()
};
