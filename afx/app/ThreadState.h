// Per-thread state of the framework: the message being dispatched, window
// creation in progress, the handle maps and the menu being tracked.
#pragma once

#include "afx/core/AfxCore.h"
#include "afx/windows/HandleMap.h"

class CWnd;
class CWinThread;

struct AFX_THREAD_STATE
{
    AFX_THREAD_STATE();
    ~AFX_THREAD_STATE();

    // The message the window procedure is dispatching; CWnd::Default and
    // GetCurrentMessage read it. Hook chains save, set and restore it.
    MSG m_lastSentMsg;

    // Window creation: the object waiting for its window and the CBT hook.
    CWnd* m_pWndInit;
    HHOOK m_hHookOldCbtFilter;

    // The window whose data exchange runs; its control notifications are
    // not routed meanwhile.
    HWND m_hLockoutNotifyWindow;

    // The pop-up menu being tracked and its owner (owner-drawn measuring).
    HMENU m_hTrackingMenu;
    HWND m_hTrackingWindow;

    // Depth of window-procedure calls; temporary wrappers are freed only at
    // depth 0, so a handler that runs a nested modal loop keeps its own.
    int m_nDispatchDepth;

    // The thread object of a thread that has no application object.
    CWinThread* m_pDefaultThread;

    CHandleMap* m_pWindowMap;
    CHandleMap* m_pMenuMap;
    CHandleMap* m_pDCMap;
    CHandleMap* m_pGdiMap;
};

// Makes a message the thread's last sent message for as long as it lives and
// puts the one before back when it goes, also when a handler throws.
class CLastSentMessageScope
{
public:
    CLastSentMessageScope(AFX_THREAD_STATE* state, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    ~CLastSentMessageScope() { m_state->m_lastSentMsg = m_previous; }
    CLastSentMessageScope(const CLastSentMessageScope&) = delete;
    CLastSentMessageScope& operator=(const CLastSentMessageScope&) = delete;

private:
    AFX_THREAD_STATE* m_state;
    MSG m_previous;
};

// The calling thread's state, made on first use. A thread that ends frees
// its state; the main thread keeps its own until the process ends.
AFX_THREAD_STATE* AFXAPI AfxGetThreadState();

// Frees the calling thread's state now (the loader calls it as a thread ends).
void AFXAPI AfxTermThreadState();

// How many threads hold a state now.
LONG AFXAPI AfxGetLiveThreadStateCount();

// One of the thread's handle maps (pmMap), made on first use with the
// functions that make and let go of its temporary wrappers.
CHandleMap* AFXAPI AfxGetHandleMap(CHandleMap* AFX_THREAD_STATE::*pmMap, CHandleMap::PFN_CONSTRUCT pfnConstruct,
                                   CHandleMap::PFN_RELEASE pfnRelease);

// Frees the temporary wrappers of every handle map (unless a message is being
// dispatched further up the stack).
void AFXAPI AfxDeleteTempMaps();
