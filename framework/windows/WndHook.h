#pragma once

#include "afx/app/AfxWin.h"

// Behaviour attached to a window from outside its class: a hook replaces the
// window's procedure and sees every message before the window does. Several
// hooks on one window form a chain, the one hooked last first. When the
// window is destroyed every hook of it is unhooked before the window's own
// procedure sees WM_NCDESTROY.
class CWndHook : public CObject
{
    DECLARE_DYNAMIC(CWndHook)

public:
    CWndHook();
    ~CWndHook() override;

    // Hooks the window (null: unhooks); always 1.
    BOOL HookWindow(HWND hWnd);
    BOOL HookWindow(CWnd* pWnd) { return HookWindow(pWnd != NULL ? pWnd->m_hWnd : (HWND)NULL); }
    BOOL IsHooked() const { return m_hWnd != NULL; }
    HWND GetHookedWindow() const { return m_hWnd; }

    // Unhooks every hook of the window.
    static void UnhookAll(HWND hWnd);

    // The base passes the message to the next hook of the window, or to the
    // window's own procedure at the end of the chain.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // The base behaviour for the message being processed.
    LRESULT Default();

private:
    friend LRESULT CALLBACK HookedWindowProc(HWND, UINT, WPARAM, LPARAM);

    void LeaveChain();

    HWND m_hWnd;
    WNDPROC m_pfnOldProc;   // the window's procedure before its first hook
    CWndHook* m_pNext;

    CWndHook(const CWndHook&) = delete;
    CWndHook& operator=(const CWndHook&) = delete;
};
