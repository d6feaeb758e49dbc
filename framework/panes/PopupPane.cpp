#include "framework/panes/PopupPane.h"

#include "afx/windows/FrameWnd.h"
#include "afx/windows/MessageMap.h"
#include "afx/windows/View.h"

IMPLEMENT_DYNAMIC(CPopupPane, CWnd)

BEGIN_MESSAGE_MAP(CPopupPane, CWnd)
ON_WM_TIMER()
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
CPopupPane* OpenPopupPane = NULL;
const UINT_PTR CloseTimer = 1;
}

CPopupPane* GetOpenPopupPane()
{
    return OpenPopupPane;
}

CPopupPane::CPopupPane()
{
}

CPopupPane::~CPopupPane()
{
    if (m_hWnd != NULL)
        DestroyWindow();
    if (OpenPopupPane == this)
        OpenPopupPane = NULL;
}

BOOL CPopupPane::Create(const RECT& rect, CWnd* owner, UINT milliseconds)
{
    LPCTSTR windowClass = AfxRegisterWndClass(CS_SAVEBITS, ::LoadCursor(NULL, IDC_ARROW),
                                              (HBRUSH)(COLOR_INFOBK + 1));
    if (!CWnd::CreateEx(WS_EX_TOOLWINDOW, windowClass, NULL, WS_POPUP | WS_BORDER | WS_VISIBLE, rect, owner, 0))
        return FALSE;
    if (OpenPopupPane != NULL && OpenPopupPane != this)
        OpenPopupPane->DestroyWindow();
    OpenPopupPane = this;
    if (milliseconds > 0)
        SetTimer(CloseTimer, milliseconds, NULL);
    return TRUE;
}

void CPopupPane::OnTimer(UINT id)
{
    if (id == CloseTimer)
        DestroyWindow();
}

void CPopupPane::OnDestroy()
{
    if (OpenPopupPane == this)
        OpenPopupPane = NULL;
    Default();
}

void CPopupPane::PostNcDestroy()
{
    if (m_autoDelete)
        delete this;
}

BOOL DismissPopupOnInput(MSG* msg)
{
    if (OpenPopupPane == NULL || msg == NULL)
        return FALSE;
    switch (msg->message)
    {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        break;
    default:
        return FALSE;
    }
    OpenPopupPane->DestroyWindow();
    // repaint the main window's active view at once (the whole window when
    // it is no frame with a view)
    CWnd* target = AfxGetMainWnd();
    if (CFrameWnd* frame = DYNAMIC_DOWNCAST(CFrameWnd, target))
        if (CView* view = frame->GetActiveView())
            target = view;
    if (target != NULL && target->GetSafeHwnd() != NULL)
        ::RedrawWindow(target->m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return TRUE;
}
