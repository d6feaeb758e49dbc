#include "afx/ole/OleDataObject.h"

#include <string.h>

void COleDataObject::Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease)
{
    Release();
    m_lpDataObject = lpDataObject;
    m_bAutoRelease = bAutoRelease;
    if (m_lpDataObject != NULL && m_bAutoRelease)
        m_lpDataObject->AddRef();
}

LPDATAOBJECT COleDataObject::Detach()
{
    LPDATAOBJECT dataObject = m_lpDataObject;
    m_lpDataObject = NULL;
    return dataObject;
}

void COleDataObject::Release()
{
    if (m_lpDataObject != NULL && m_bAutoRelease)
        m_lpDataObject->Release();
    m_lpDataObject = NULL;
}

BOOL COleDataObject::AttachClipboard()
{
    Release();
    LPDATAOBJECT dataObject = NULL;
    if (::OleGetClipboard(&dataObject) != S_OK || dataObject == NULL)
        return FALSE;
    // The clipboard's reference becomes this object's.
    m_lpDataObject = dataObject;
    m_bAutoRelease = TRUE;
    return TRUE;
}

FORMATETC COleDataObject::MakeFormat(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    FORMATETC format = {cfFormat, NULL, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    if (lpFormatEtc != NULL)
    {
        format = *lpFormatEtc;
        format.cfFormat = cfFormat;
    }
    return format;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == NULL)
        return FALSE;
    FORMATETC format = MakeFormat(cfFormat, lpFormatEtc);
    return m_lpDataObject->QueryGetData(&format) == S_OK;
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == NULL)
        return NULL;
    FORMATETC format = MakeFormat(cfFormat, lpFormatEtc);
    STGMEDIUM medium = {};
    if (m_lpDataObject->GetData(&format, &medium) != S_OK)
        return NULL;
    if (medium.tymed != TYMED_HGLOBAL)
    {
        ::ReleaseStgMedium(&medium);
        return NULL;
    }
    if (medium.pUnkForRelease == NULL)
        return medium.hGlobal; // the block is the caller's now
    // The block stays its owner's: hand out a copy.
    HGLOBAL copy = AfxCopyGlobalMemory(medium.hGlobal);
    ::ReleaseStgMedium(&medium);
    return copy;
}

LPDATAOBJECT COleDataObject::GetIDataObject(BOOL bAddRef)
{
    if (bAddRef && m_lpDataObject != NULL)
        m_lpDataObject->AddRef();
    return m_lpDataObject;
}

HGLOBAL AFXAPI AfxCopyGlobalMemory(HGLOBAL block)
{
    SIZE_T size = ::GlobalSize(block);
    const void* source = ::GlobalLock(block);
    if (source == NULL)
        return NULL;
    HGLOBAL copy = ::GlobalAlloc(GMEM_MOVEABLE, size);
    void* target = copy != NULL ? ::GlobalLock(copy) : NULL;
    if (target != NULL)
    {
        memcpy(target, source, size);
        ::GlobalUnlock(copy);
    }
    else if (copy != NULL)
    {
        ::GlobalFree(copy);
        copy = NULL;
    }
    ::GlobalUnlock(block);
    return copy;
}
