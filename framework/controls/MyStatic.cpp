#include "framework/controls/MyStatic.h"

IMPLEMENT_DYNCREATE(CMyStatic, CStatic)

void CMyStatic::PostNcDestroy()
{
    CStatic::PostNcDestroy();
    if (m_deleteWithWindow)
        delete this;
}
