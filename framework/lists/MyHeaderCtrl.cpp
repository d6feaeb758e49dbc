#include "framework/lists/MyHeaderCtrl.h"

IMPLEMENT_DYNCREATE(CMyHeaderCtrl, CHeaderCtrl)

void CMyHeaderCtrl::PostNcDestroy()
{
    CHeaderCtrl::PostNcDestroy();
    if (m_deleteWithWindow)
        delete this;
}
