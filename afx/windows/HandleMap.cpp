#include "afx/windows/HandleMap.h"

CHandleMap::CHandleMap(PFN_CONSTRUCT pfnConstruct, PFN_RELEASE pfnRelease)
    : m_pfnConstruct(pfnConstruct), m_pfnRelease(pfnRelease)
{
}

CHandleMap::~CHandleMap()
{
    DeleteTemp();
}

CObject* CHandleMap::FromHandle(HANDLE h)
{
    if (h == NULL)
        return NULL;
    CObject* pObject = LookupPermanent(h);
    if (pObject != NULL)
        return pObject;
    pObject = LookupTemporary(h);
    if (pObject != NULL)
        return pObject;
    pObject = m_pfnConstruct(h);
    m_temporaryMap[h] = pObject;
    return pObject;
}

CObject* CHandleMap::LookupPermanent(HANDLE h) const
{
    auto it = m_permanentMap.find(h);
    return it != m_permanentMap.end() ? it->second : NULL;
}

CObject* CHandleMap::LookupTemporary(HANDLE h) const
{
    auto it = m_temporaryMap.find(h);
    return it != m_temporaryMap.end() ? it->second : NULL;
}

void CHandleMap::SetPermanent(HANDLE h, CObject* pObject)
{
    m_permanentMap[h] = pObject;
}

void CHandleMap::AttachObject(HANDLE h, CObject* pObject)
{
    if (LookupPermanent(h) == NULL)
        SetPermanent(h, pObject);
}

void CHandleMap::DetachObject(HANDLE h, CObject* pObject)
{
    if (h != NULL && LookupPermanent(h) == pObject)
        RemoveHandle(h);
}

void CHandleMap::RemoveHandle(HANDLE h)
{
    // A temporary wrapper of the handle stays until the next clean-up, since
    // its caller may still hold it.
    m_permanentMap.erase(h);
}

void CHandleMap::DeleteTemp()
{
    // Take the map first: a destructor may look handles up again.
    std::unordered_map<HANDLE, CObject*> temporaries;
    temporaries.swap(m_temporaryMap);
    for (auto& entry : temporaries)
    {
        m_pfnRelease(entry.second);
        delete entry.second;
    }
}
