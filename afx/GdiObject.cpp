#include "afx/GdiObject.h"
#include "afx/ThreadState.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

namespace
{
CObject* ConstructTempGdiObject(HANDLE h)
{
    CGdiObject* pObject = new CGdiObject;
    pObject->m_hObject = (HGDIOBJ)h;
    return pObject;
}

void ReleaseTempGdiObject(CObject* pObject)
{
    ((CGdiObject*)pObject)->m_hObject = NULL;
}

CHandleMap* GdiMap()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pGdiMap == NULL)
        pState->m_pGdiMap = new CHandleMap(ConstructTempGdiObject, ReleaseTempGdiObject);
    return pState->m_pGdiMap;
}
} // namespace

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return (CGdiObject*)GdiMap()->FromHandle(hObject);
}

CGdiObject* PASCAL CGdiObject::FromHandlePermanent(HGDIOBJ hObject)
{
    return hObject != NULL ? (CGdiObject*)GdiMap()->LookupPermanent(hObject) : NULL;
}

void PASCAL CGdiObject::DeleteTempMap()
{
    GdiMap()->DeleteTemp();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == NULL)
        return FALSE;
    // stock objects are shared: several objects may wrap them
    if (GdiMap()->LookupPermanent(hObject) == NULL)
        GdiMap()->SetPermanent(hObject, this);
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    if (hObject != NULL && GdiMap()->LookupPermanent(hObject) == this)
        GdiMap()->RemoveHandle(hObject);
    m_hObject = NULL;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == NULL)
        return FALSE;
    return ::DeleteObject(Detach());
}
