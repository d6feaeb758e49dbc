#include "afx/gdi/ClientDC.h"
#include "afx/windows/Wnd.h"

IMPLEMENT_DYNAMIC(CClientDC, CDC)

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    if (!Attach(::GetDC(m_hWnd)))
        AfxThrowMemoryException();
}

CClientDC::~CClientDC()
{
    FreeFontCache();
    ::ReleaseDC(m_hWnd, Detach());
}
