#include "afx/gdi/WindowDC.h"
#include "afx/windows/Wnd.h"

IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    if (!Attach(::GetWindowDC(m_hWnd)))
        AfxThrowMemoryException();
}

CWindowDC::~CWindowDC()
{
    FreeFontCache();
    ::ReleaseDC(m_hWnd, Detach());
}
