// CGdiObject: the owner of a GDI object handle (pen, brush, font, bitmap,
// palette, region). The destructor deletes an owned handle.
#pragma once

#include "afx/core/AfxCore.h"
#include "afx/windows/SafeHandle.h"

class CGdiObject : public CObject
{
    DECLARE_DYNCREATE(CGdiObject)

public:
    HGDIOBJ m_hObject;

    CGdiObject() : m_hObject(NULL) {}
    virtual ~CGdiObject();

    HGDIOBJ GetSafeHandle() const
    {
        const CGdiObject* pThis = AfxOpaquePointer(this);
        return pThis == NULL ? NULL : pThis->m_hObject;
    }
    operator HGDIOBJ() const { return m_hObject; }

    // The permanent object of a handle, else a temporary CGdiObject valid
    // until the next idle time.
    static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);
    static CGdiObject* PASCAL FromHandlePermanent(HGDIOBJ hObject);
    static void PASCAL DeleteTempMap();

    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();

    int GetObject(int nCount, LPVOID lpObject) const { return ::GetObjectA(m_hObject, nCount, lpObject); }
    UINT GetObjectType() const { return (UINT)::GetObjectType(m_hObject); }
    BOOL CreateStockObject(int nIndex) { return Attach(::GetStockObject(nIndex)); }
    BOOL UnrealizeObject() { return ::UnrealizeObject(m_hObject); }

private:
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
};
