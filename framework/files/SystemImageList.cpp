#include "framework/files/SystemImageList.h"

#include <shellapi.h>

HIMAGELIST CSystemImageList::s_hImageList = NULL;
int CSystemImageList::s_nHolders = 0;

CSystemImageList::CSystemImageList()
{
    if (s_nHolders++ == 0)
    {
        SHFILEINFOA info = {};
        s_hImageList =
            (HIMAGELIST)::SHGetFileInfoA("C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    }
}

CSystemImageList::~CSystemImageList()
{
    if (--s_nHolders == 0)
        s_hImageList = NULL;
}
