#include "afx/ThreadState.h"
#include "afx/WinThread.h"

AFX_THREAD_STATE::AFX_THREAD_STATE()
    : m_pWndInit(NULL), m_hHookOldCbtFilter(NULL), m_hLockoutNotifyWindow(NULL), m_hTrackingMenu(NULL),
      m_hTrackingWindow(NULL), m_nDispatchDepth(0), m_pDefaultThread(NULL), m_pWindowMap(NULL), m_pMenuMap(NULL),
      m_pDCMap(NULL), m_pGdiMap(NULL)
{
    memset(&m_lastSentMsg, 0, sizeof(m_lastSentMsg));
}

AFX_THREAD_STATE::~AFX_THREAD_STATE()
{
    // Permanent objects belong to the program; only temporaries go here.
    delete m_pWindowMap;
    delete m_pMenuMap;
    delete m_pDCMap;
    delete m_pGdiMap;
    delete m_pDefaultThread;
}

AFX_THREAD_STATE* AFXAPI AfxGetThreadState()
{
    // Never destroyed: framework objects with static storage (shared pens
    // and brushes, say) still reach their handle maps while the program's
    // statics are destroyed, after the thread's own storage would be gone.
    static thread_local AFX_THREAD_STATE* s_pState = NULL;
    if (s_pState == NULL)
        s_pState = new AFX_THREAD_STATE;
    return s_pState;
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
