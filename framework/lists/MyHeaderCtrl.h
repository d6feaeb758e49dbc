#pragma once
// The header control of the framework's list view: it knows the list it
// belongs to.
#include "afx/controls/HeaderCtrl.h"

class CMyListCtrl;

class CMyHeaderCtrl : public CHeaderCtrl
{
    DECLARE_DYNAMIC(CMyHeaderCtrl)

public:
    CMyListCtrl* m_list = NULL;
};
