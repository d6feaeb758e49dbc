#include "framework/windows/WndHook.h"

#include "afx/core/CallbackBarrier.h"
#include "afx/app/ThreadState.h"

IMPLEMENT_DYNAMIC(CWndHook, CObject)

namespace
{
    // Window handle -> the first hook of that window; made on first use,
    // freed at process exit.
    CMapPtrToPtr& HookMap()
    {
        static CMapPtrToPtr map(10);
        return map;
    }

    CWndHook* FirstHook(HWND hWnd)
    {
        void* first = NULL;
        return HookMap().Lookup(hWnd, first) ? (CWndHook*)first : NULL;
    }
}

LRESULT CALLBACK HookedWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return AfxCallbackBarrier<LRESULT>(0, hWnd, message, [&]() -> LRESULT {
        CLastSentMessageScope lastSent(AfxGetThreadState(), hWnd, message, wParam, lParam);

        CWndHook* first = FirstHook(hWnd);
        if (first == NULL)
            return ::DefWindowProcA(hWnd, message, wParam, lParam);
        if (message == WM_NCDESTROY)
        {
            // The window gets its own procedure back before it sees the message.
            WNDPROC oldProc = first->m_pfnOldProc;
            CWndHook::UnhookAll(hWnd);
            return ::CallWindowProcA(oldProc, hWnd, message, wParam, lParam);
        }
        return first->WindowProc(message, wParam, lParam);
    });
}

CWndHook::CWndHook() : m_hWnd(NULL), m_pfnOldProc(NULL), m_pNext(NULL)
{
}

CWndHook::~CWndHook()
{
    if (m_hWnd != NULL)
        HookWindow((HWND)NULL);
}

BOOL CWndHook::HookWindow(HWND hWnd)
{
    if (m_hWnd != NULL)
    {
        LeaveChain();
        m_pfnOldProc = NULL;
    }
    if (hWnd != NULL)
    {
        CWndHook* first = FirstHook(hWnd);
        m_pNext = first;
        if (first != NULL)
        {
            m_pfnOldProc = first->m_pfnOldProc;
        }
        else
        {
            m_pfnOldProc = (WNDPROC)::GetWindowLongPtrA(hWnd, GWLP_WNDPROC);
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)HookedWindowProc);
        }
        HookMap().SetAt(hWnd, this);
    }
    m_hWnd = hWnd;
    return TRUE;
}

void CWndHook::LeaveChain()
{
    CWndHook* first = FirstHook(m_hWnd);
    if (first == this)
    {
        if (m_pNext != NULL)
        {
            HookMap().SetAt(m_hWnd, m_pNext);
        }
        else
        {
            HookMap().RemoveKey(m_hWnd);
            ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnOldProc);
        }
    }
    else
    {
        for (CWndHook* hook = first; hook != NULL; hook = hook->m_pNext)
        {
            if (hook->m_pNext == this)
            {
                hook->m_pNext = m_pNext;
                break;
            }
        }
    }
    m_pNext = NULL;
}

void CWndHook::UnhookAll(HWND hWnd)
{
    while (CWndHook* first = FirstHook(hWnd))
        first->HookWindow((HWND)NULL);
}

LRESULT CWndHook::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pNext != NULL)
        return m_pNext->WindowProc(message, wParam, lParam);
    return ::CallWindowProcA(m_pfnOldProc, m_hWnd, message, wParam, lParam);
}

LRESULT CWndHook::Default()
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return CWndHook::WindowProc(msg.message, msg.wParam, msg.lParam);
}
