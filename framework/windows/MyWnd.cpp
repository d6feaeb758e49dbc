#include "framework/windows/MyWnd.h"

IMPLEMENT_DYNAMIC(CMyWnd, CWnd)

BEGIN_MESSAGE_MAP(CMyWnd, CWnd)
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
END_MESSAGE_MAP()

CMyWnd::CMyWnd() : m_destroyLink(this)
{
    WndsToDestroyOnMyWnd().DestroyAll();
}

CMyWnd::~CMyWnd()
{
    m_destroyLink.Release();
}

void CMyWnd::PostNcDestroy()
{
    if (m_autoDelete)
        delete this;
}

BOOL CMyWnd::OnEraseBkgnd(CDC* dc)
{
    if (m_noEraseBackground)
        return TRUE;
    return (BOOL)Default();
}

BOOL HandleCommandHelp(BOOL noHelp, DWORD helpContextId)
{
    if (noHelp)
        return TRUE;
    if (helpContextId == 0)
        return FALSE;
    CWinApp* app = AfxGetApp();
    if (app != NULL)
        app->WinHelp(helpContextId, HELP_CONTEXT);
    return TRUE;
}

LRESULT CMyWnd::OnCommandHelp(WPARAM, LPARAM)
{
    if (HandleCommandHelp(m_noHelp, m_helpContextId))
        return TRUE;
    return Default();
}
