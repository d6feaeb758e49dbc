// The device contexts bound to a window: painting, client area, whole window.
#include "afx/ClientDC.h"
#include "afx/PaintDC.h"
#include "afx/WindowDC.h"
#include "afx/Wnd.h"

IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd)
{
    if (!Attach(::BeginPaint(m_hWnd, &m_ps)))
        AfxThrowMemoryException();
}

CPaintDC::~CPaintDC()
{
    FreeFontCache();
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

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
