#include "afx/ole/OleDataSource.h"

#include "afx/ole/OleDataObject.h"
#include "afx/ole/OleDropSource.h"
#include "afx/ole/OleException.h"

#include <shlobj.h>
#include <string.h>

IMPLEMENT_DYNAMIC(COleDataSource, CCmdTarget)

namespace
{
    // The source last handed to the clipboard; cleared when it is deleted.
    COleDataSource* clipboardSource = NULL;

    bool IsSameFormat(const FORMATETC& cached, const FORMATETC& asked)
    {
        return cached.cfFormat == asked.cfFormat && (cached.dwAspect & asked.dwAspect) != 0 &&
               (asked.tymed & TYMED_HGLOBAL) != 0 && (asked.lindex == -1 || asked.lindex == cached.lindex);
    }
}

COleDataSource::COleDataSource() : m_xDataObject(this), m_dwRef(1)
{
}

COleDataSource::~COleDataSource()
{
    if (clipboardSource == this)
        clipboardSource = NULL;
    Empty();
}

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc)
{
    CachedItem item;
    item.format.cfFormat = cfFormat;
    item.format.ptd = NULL;
    item.format.dwAspect = lpFormatEtc != NULL ? lpFormatEtc->dwAspect : (DWORD)DVASPECT_CONTENT;
    item.format.lindex = lpFormatEtc != NULL ? lpFormatEtc->lindex : -1;
    item.format.tymed = TYMED_HGLOBAL;
    item.block = hGlobal;
    for (size_t i = 0; i < m_items.size(); ++i)
    {
        if (m_items[i].format.cfFormat == cfFormat && m_items[i].format.dwAspect == item.format.dwAspect)
        {
            if (m_items[i].block != hGlobal)
                ::GlobalFree(m_items[i].block);
            m_items[i] = item;
            return;
        }
    }
    m_items.push_back(item);
}

void COleDataSource::Empty()
{
    for (size_t i = 0; i < m_items.size(); ++i)
        ::GlobalFree(m_items[i].block);
    m_items.clear();
}

void COleDataSource::SetClipboard()
{
    HRESULT result = ::OleSetClipboard(GetDataObject());
    if (result != S_OK)
    {
        // The clipboard took no reference, so the owner's goes with the
        // failure: the caller has handed the source over either way.
        InternalRelease();
        AfxThrowOleException(result);
    }
    clipboardSource = this;
    InternalRelease();
}

void PASCAL COleDataSource::FlushClipboard()
{
    if (GetClipboardOwner() != NULL)
        ::OleFlushClipboard();
}

COleDataSource* PASCAL COleDataSource::GetClipboardOwner()
{
    if (clipboardSource == NULL)
        return NULL;
    if (::OleIsCurrentClipboard(clipboardSource->GetDataObject()) != S_OK)
        return NULL;
    return clipboardSource;
}

LPDATAOBJECT COleDataSource::GetDataObject()
{
    return &m_xDataObject;
}

DWORD COleDataSource::InternalAddRef()
{
    return (DWORD)::InterlockedIncrement(&m_dwRef);
}

DWORD COleDataSource::InternalRelease()
{
    LONG count = ::InterlockedDecrement(&m_dwRef);
    if (count == 0)
        delete this;
    return (DWORD)count;
}

const COleDataSource::CachedItem* COleDataSource::FindItem(const FORMATETC* format) const
{
    if (format == NULL)
        return NULL;
    for (size_t i = 0; i < m_items.size(); ++i)
    {
        if (IsSameFormat(m_items[i].format, *format))
            return &m_items[i];
    }
    return NULL;
}

STDMETHODIMP COleDataSource::XDataObject::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == NULL)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject))
    {
        *ppv = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) COleDataSource::XDataObject::AddRef()
{
    return m_pOwner->InternalAddRef();
}

STDMETHODIMP_(ULONG) COleDataSource::XDataObject::Release()
{
    return m_pOwner->InternalRelease();
}

STDMETHODIMP COleDataSource::XDataObject::GetData(FORMATETC* format, STGMEDIUM* medium)
{
    if (medium == NULL)
        return E_POINTER;
    const CachedItem* item = m_pOwner->FindItem(format);
    if (item == NULL)
        return DV_E_FORMATETC;
    // The receiver frees what it gets, so it gets a copy.
    HGLOBAL copy = AfxCopyGlobalMemory(item->block);
    if (copy == NULL)
        return E_OUTOFMEMORY;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = copy;
    medium->pUnkForRelease = NULL;
    return S_OK;
}

STDMETHODIMP COleDataSource::XDataObject::GetDataHere(FORMATETC* format, STGMEDIUM* medium)
{
    if (medium == NULL)
        return E_POINTER;
    const CachedItem* item = m_pOwner->FindItem(format);
    if (item == NULL || medium->tymed != TYMED_HGLOBAL || medium->hGlobal == NULL)
        return DV_E_FORMATETC;
    SIZE_T size = ::GlobalSize(item->block);
    if (::GlobalSize(medium->hGlobal) < size)
        return STG_E_MEDIUMFULL;
    const void* source = ::GlobalLock(item->block);
    void* target = ::GlobalLock(medium->hGlobal);
    if (source != NULL && target != NULL)
        memcpy(target, source, size);
    if (source != NULL)
        ::GlobalUnlock(item->block);
    if (target != NULL)
        ::GlobalUnlock(medium->hGlobal);
    return source != NULL && target != NULL ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP COleDataSource::XDataObject::QueryGetData(FORMATETC* format)
{
    return m_pOwner->FindItem(format) != NULL ? S_OK : DV_E_FORMATETC;
}

STDMETHODIMP COleDataSource::XDataObject::GetCanonicalFormatEtc(FORMATETC* formatIn, FORMATETC* formatOut)
{
    if (formatOut == NULL)
        return E_POINTER;
    if (formatIn != NULL)
        *formatOut = *formatIn;
    formatOut->ptd = NULL;
    return DATA_S_SAMEFORMATETC;
}

STDMETHODIMP COleDataSource::XDataObject::SetData(FORMATETC*, STGMEDIUM*, BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleDataSource::XDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** enumerator)
{
    if (enumerator == NULL)
        return E_POINTER;
    *enumerator = NULL;
    if (direction != DATADIR_GET)
        return E_NOTIMPL;
    std::vector<FORMATETC> formats;
    for (size_t i = 0; i < m_pOwner->m_items.size(); ++i)
        formats.push_back(m_pOwner->m_items[i].format);
    return ::SHCreateStdEnumFmtEtc((UINT)formats.size(), formats.empty() ? NULL : &formats[0], enumerator);
}

STDMETHODIMP COleDataSource::XDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP COleDataSource::XDataObject::DUnadvise(DWORD)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP COleDataSource::XDataObject::EnumDAdvise(IEnumSTATDATA**)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT lpRectStartDrag, COleDropSource* pDropSource)
{
    COleDropSource defaultSource;
    COleDropSource* source = pDropSource != NULL ? pDropSource : &defaultSource;
    if (lpRectStartDrag != NULL)
        source->m_rectStartDrag = *lpRectStartDrag;
    if (!source->OnBeginDrag(NULL))
        return DROPEFFECT_NONE;
    DWORD effect = DROPEFFECT_NONE;
    HRESULT result = ::DoDragDrop(GetDataObject(), source->GetDropSource(), dwEffects, &effect);
    return result == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
}
