#include "afx/app/ThreadState.h"
#include "afx/app/WinThread.h"

namespace
{
// How many threads hold a state now (the diagnostics read it).
LONG g_nLiveThreadStates = 0;

// The slot of the state in the platform's per-thread storage. A slot rather
// than a language thread_local, so that the thread-detach callback below can
// still read it after the runtime has let go of its own per-thread data.
// Allocated on first use without locks (the callback must not wait).
LONG g_nThreadStateSlot = (LONG)TLS_OUT_OF_INDEXES;

DWORD ThreadStateSlot()
{
    const LONG slot = ::InterlockedCompareExchange(&g_nThreadStateSlot, 0, 0);
    if (slot != (LONG)TLS_OUT_OF_INDEXES)
        return (DWORD)slot;
    const DWORD fresh = ::TlsAlloc();
    const LONG before = ::InterlockedCompareExchange(&g_nThreadStateSlot, (LONG)fresh, (LONG)TLS_OUT_OF_INDEXES);
    if (before == (LONG)TLS_OUT_OF_INDEXES)
        return fresh;
    ::TlsFree(fresh); // another thread was first
    return (DWORD)before;
}
} // namespace

AFX_THREAD_STATE::AFX_THREAD_STATE()
    : m_pWndInit(NULL), m_hHookOldCbtFilter(NULL), m_hLockoutNotifyWindow(NULL), m_hTrackingMenu(NULL),
      m_hTrackingWindow(NULL), m_nDispatchDepth(0), m_pDefaultThread(NULL), m_pWindowMap(NULL), m_pMenuMap(NULL),
      m_pDCMap(NULL), m_pGdiMap(NULL)
{
    memset(&m_lastSentMsg, 0, sizeof(m_lastSentMsg));
    ::InterlockedIncrement(&g_nLiveThreadStates);
}

AFX_THREAD_STATE::~AFX_THREAD_STATE()
{
    // Permanent objects belong to the program; only temporaries go here.
    delete m_pWindowMap;
    delete m_pMenuMap;
    delete m_pDCMap;
    delete m_pGdiMap;
    delete m_pDefaultThread;
    ::InterlockedDecrement(&g_nLiveThreadStates);
}

CLastSentMessageScope::CLastSentMessageScope(AFX_THREAD_STATE* state, HWND hWnd, UINT message, WPARAM wParam,
                                             LPARAM lParam)
    : m_state(state), m_previous(state->m_lastSentMsg)
{
    state->m_lastSentMsg.hwnd = hWnd;
    state->m_lastSentMsg.message = message;
    state->m_lastSentMsg.wParam = wParam;
    state->m_lastSentMsg.lParam = lParam;
}

AFX_THREAD_STATE* AFXAPI AfxGetThreadState()
{
    const DWORD slot = ThreadStateSlot();
    AFX_THREAD_STATE* pState = (AFX_THREAD_STATE*)::TlsGetValue(slot);
    if (pState == NULL)
    {
        pState = new AFX_THREAD_STATE;
        ::TlsSetValue(slot, pState);
    }
    return pState;
}

void AFXAPI AfxTermThreadState()
{
    if (::InterlockedCompareExchange(&g_nThreadStateSlot, 0, 0) == (LONG)TLS_OUT_OF_INDEXES)
        return; // no thread ever made a state
    const DWORD slot = ThreadStateSlot();
    AFX_THREAD_STATE* pState = (AFX_THREAD_STATE*)::TlsGetValue(slot);
    if (pState == NULL)
        return;
    // Cleared first: anything the destructor reaches that asks for the state
    // again gets a fresh one, which is freed below in turn.
    ::TlsSetValue(slot, NULL);
    delete pState;
    if (::TlsGetValue(slot) != NULL)
        AfxTermThreadState();
}

LONG AFXAPI AfxGetLiveThreadStateCount()
{
    return ::InterlockedCompareExchange(&g_nLiveThreadStates, 0, 0);
}

namespace
{
// Called by the loader as each thread ends. The state of a thread that ends
// before the process goes with it. The main thread's is never destroyed:
// framework objects with static storage (shared pens and brushes, say) still
// reach their handle maps while the program's statics are destroyed.
void NTAPI ThreadStateTlsCallback(PVOID, DWORD reason, PVOID)
{
    if (reason != DLL_THREAD_DETACH)
        return;
    try
    {
        AfxTermThreadState();
    }
    catch (...)
    {
        // A thread that ends has no one left to tell.
    }
}
} // namespace

// Entries of this section are called by the loader for every thread that
// starts or ends (the runtime's TLS directory spans .CRT$XLA to .CRT$XLZ).
extern "C" {
__attribute__((section(".CRT$XLF"), used)) PIMAGE_TLS_CALLBACK g_afxThreadStateTlsCallback = ThreadStateTlsCallback;
}

CHandleMap* AFXAPI AfxGetHandleMap(CHandleMap* AFX_THREAD_STATE::*pmMap, CHandleMap::PFN_CONSTRUCT pfnConstruct,
                                   CHandleMap::PFN_RELEASE pfnRelease)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->*pmMap == NULL)
        pState->*pmMap = new CHandleMap(pfnConstruct, pfnRelease);
    return pState->*pmMap;
}

void AFXAPI AfxDeleteTempMaps()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_nDispatchDepth > 0)
        return;
    CHandleMap* maps[] = {pState->m_pWindowMap, pState->m_pMenuMap, pState->m_pDCMap, pState->m_pGdiMap};
    for (CHandleMap* pMap : maps)
    {
        if (pMap != NULL)
            pMap->DeleteTemp();
    }
}
