#include "afx/core/RuntimeClass.h"

#include "afx/core/Object.h"

namespace
{
CRuntimeClass* g_pFirstClass = NULL;

// The lock guards the class list; it is created on first use because classes
// register themselves during static initialisation in no fixed order.
CRITICAL_SECTION& ClassListLock()
{
    static CRITICAL_SECTION lock;
    static bool initialised = (InitializeCriticalSection(&lock), true);
    (void)initialised;
    return lock;
}
} // namespace

CObject* CRuntimeClass::CreateObject()
{
    if (m_pfnCreateObject == NULL)
        return NULL;
    return (*m_pfnCreateObject)();
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* pClass = this; pClass != NULL; pClass = pClass->m_pBaseClass)
    {
        if (pClass == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (lpszClassName == NULL)
        return NULL;
    CRuntimeClass* pFound = NULL;
    AfxLockClassList();
    for (CRuntimeClass* pClass = g_pFirstClass; pClass != NULL; pClass = pClass->m_pNextClass)
    {
        if (lstrcmpA(pClass->m_lpszClassName, lpszClassName) == 0)
        {
            pFound = pClass;
            break;
        }
    }
    AfxUnlockClassList();
    return pFound;
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
    CRuntimeClass* pClass = FromName(lpszClassName);
    return pClass != NULL ? pClass->CreateObject() : NULL;
}

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass)
{
    AfxLockClassList();
    pNewClass->m_pNextClass = g_pFirstClass;
    g_pFirstClass = pNewClass;
    AfxUnlockClassList();
}

void AFXAPI AfxLockClassList()
{
    EnterCriticalSection(&ClassListLock());
}

void AFXAPI AfxUnlockClassList()
{
    LeaveCriticalSection(&ClassListLock());
}

CRuntimeClass* AFXAPI AfxGetFirstRuntimeClass()
{
    return g_pFirstClass;
}
