#pragma once
// The header control of the framework's list view: it knows the list it
// belongs to, and can delete itself with its window.
#include "afx/app/AfxWin.h"
#include "afx/controls/HeaderCtrl.h"

class CMyListCtrl;

class CMyHeaderCtrl : public CHeaderCtrl
{
    DECLARE_DYNCREATE(CMyHeaderCtrl)

public:
    CMyListCtrl* m_list = NULL;
    int m_deleteWithWindow = 0;

protected:
    void PostNcDestroy() override;
};
