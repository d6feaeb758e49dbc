#pragma once
// One item of a list or combo box that keeps its items as records of its own.
#include "afx/app/AfxWin.h"

struct CListItemRecord
{
    int m_extraValue = -1;  // image index in the shared strip; -1 none
    CString m_text;
    DWORD_PTR m_itemData = 0;
};
