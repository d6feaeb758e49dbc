// Maps from Windows handles to the framework objects that wrap them.
//
// Permanent entries are objects the program attached (they live as long as
// the program says). A handle without one gets a temporary wrapper of the
// base class, which is freed when the modal loop next goes idle: callers use
// temporaries only within the current message and never store them.
#pragma once

#include "afx/core/AfxCore.h"
#include <unordered_map>

class CHandleMap
{
public:
    // Makes a temporary wrapper for a handle; the second function clears the
    // wrapper's handle fields so that deleting it leaves the handle alone.
    typedef CObject* (*PFN_CONSTRUCT)(HANDLE h);
    typedef void (*PFN_RELEASE)(CObject* pObject);

    CHandleMap(PFN_CONSTRUCT pfnConstruct, PFN_RELEASE pfnRelease);
    ~CHandleMap();

    CObject* FromHandle(HANDLE h);
    CObject* LookupPermanent(HANDLE h) const;
    CObject* LookupTemporary(HANDLE h) const;

    void SetPermanent(HANDLE h, CObject* pObject);
    void RemoveHandle(HANDLE h);

    // Attaching makes the object the handle's permanent one, unless the
    // handle has one already: a second object only wraps it for a while (and
    // must not take the first one's place, or messages would stop reaching
    // it). Detaching removes the object only if it is the permanent one.
    void AttachObject(HANDLE h, CObject* pObject);
    void DetachObject(HANDLE h, CObject* pObject);

    // Frees every temporary wrapper.
    void DeleteTemp();

private:
    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;

    std::unordered_map<HANDLE, CObject*> m_permanentMap;
    std::unordered_map<HANDLE, CObject*> m_temporaryMap;
    PFN_CONSTRUCT m_pfnConstruct;
    PFN_RELEASE m_pfnRelease;
};

// Temporary wrappers of the classes that hold one handle in one field: made
// with the handle, and let go of it again before they are deleted.
template <class CLASS, class HANDLE_TYPE, HANDLE_TYPE CLASS::*pmHandle>
struct CTemporaryWrapper
{
    static CObject* Construct(HANDLE h)
    {
        CLASS* pObject = new CLASS;
        pObject->*pmHandle = (HANDLE_TYPE)h;
        return pObject;
    }

    static void Release(CObject* pObject) { ((CLASS*)pObject)->*pmHandle = NULL; }
};
