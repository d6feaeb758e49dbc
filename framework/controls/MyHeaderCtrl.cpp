#include "framework/controls/MyHeaderCtrl.h"

IMPLEMENT_DYNCREATE(CMyHeaderCtrl, CHeaderCtrl)

BEGIN_MESSAGE_MAP(CMyHeaderCtrl, CHeaderCtrl)
END_MESSAGE_MAP()

void CMyHeaderCtrl::PostNcDestroy()
{
    CHeaderCtrl::PostNcDestroy();
    if (m_deleteWithWindow)
        delete this;
}
