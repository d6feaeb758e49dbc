#include "framework/controls/MyTabCtrl.h"

IMPLEMENT_DYNCREATE(CMyTabCtrl, CTabCtrl)

BEGIN_MESSAGE_MAP(CMyTabCtrl, CTabCtrl)
END_MESSAGE_MAP()

void CMyTabCtrl::PostNcDestroy()
{
    CTabCtrl::PostNcDestroy();
    if (m_deleteWithWindow)
        delete this;
}
