#include "afx/gdi/PaintDC.h"
#include "afx/windows/Wnd.h"

IMPLEMENT_DYNAMIC(CPaintDC, CDC)

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
