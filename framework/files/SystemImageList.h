#pragma once

#include "afx/app/AfxWin.h"

// The shell's small-icon system image list, attached while any holder lives
// (the shell owns it: it is never destroyed here).
class CSystemImageList
{
public:
    CSystemImageList();
    ~CSystemImageList();
    HIMAGELIST GetHandle() const { return s_hImageList; }

private:
    CSystemImageList(const CSystemImageList&) = delete;
    CSystemImageList& operator=(const CSystemImageList&) = delete;

    static HIMAGELIST s_hImageList;
    static int s_nHolders;
};
