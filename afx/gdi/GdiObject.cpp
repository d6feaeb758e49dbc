#include "afx/gdi/GdiObject.h"
#include "afx/app/ThreadState.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

namespace
{
typedef CTemporaryWrapper<CGdiObject, HGDIOBJ, &CGdiObject::m_hObject> CTempGdiObject;

CHandleMap* GdiMap()
{
    return AfxGetHandleMap(&AFX_THREAD_STATE::m_pGdiMap, CTempGdiObject::Construct, CTempGdiObject::Release);
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
    GdiMap()->AttachObject(hObject, this);
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    GdiMap()->DetachObject(hObject, this);
    m_hObject = NULL;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == NULL)
        return FALSE;
    return ::DeleteObject(Detach());
}
