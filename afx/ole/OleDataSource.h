#pragma once

#include "afx/windows/CmdTarget.h"

#include <ole2.h>

#include <vector>

class COleDropSource;
typedef DWORD DROPEFFECT;

// A source of data for the OLE clipboard: global memory blocks cached by
// clipboard format and offered through its IDataObject interface.
//
// The object counts references as OLE objects do. It is created with one
// reference, its owner's; SetClipboard hands that reference to the clipboard,
// which deletes the object once it lets go of it. An object that never went
// to the clipboard is deleted by its owner.
class COleDataSource : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDataSource)

public:
    COleDataSource();
    virtual ~COleDataSource();

    // The source owns the block from here on and frees it when emptied or
    // destroyed. A block cached again under the same format replaces the old
    // one. Only TYMED_HGLOBAL is offered; lpFormatEtc may narrow the aspect.
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc = NULL);

    // Frees every cached block.
    void Empty();

    // Puts the source on the OLE clipboard, which takes the owner's reference.
    // On failure the source is deleted and a COleException is raised.
    void SetClipboard();

    // Renders the clipboard's data now, so that it stays after the source goes.
    static void PASCAL FlushClipboard();
    // The source that is on the clipboard now, or null.
    static COleDataSource* PASCAL GetClipboardOwner();

    // Drags the data with the mouse: the effect the drop target chose, or
    // DROPEFFECT_NONE when the drag was cancelled. The drag begins once the
    // mouse leaves the start rectangle (screen coordinates; null: at once).
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE, LPCRECT lpRectStartDrag = NULL,
                          COleDropSource* pDropSource = NULL);

    // The source's IDataObject, without an added reference.
    LPDATAOBJECT GetDataObject();

    DWORD InternalAddRef();
    DWORD InternalRelease();

    int GetCachedCount() const { return (int)m_items.size(); }

protected:
    struct CachedItem
    {
        FORMATETC format;
        HGLOBAL block;
    };

    const CachedItem* FindItem(const FORMATETC* format) const;

    class XDataObject : public IDataObject
    {
    public:
        explicit XDataObject(COleDataSource* owner) : m_pOwner(owner) {}

        STDMETHOD(QueryInterface)(REFIID riid, void** ppv);
        STDMETHOD_(ULONG, AddRef)();
        STDMETHOD_(ULONG, Release)();
        STDMETHOD(GetData)(FORMATETC* format, STGMEDIUM* medium);
        STDMETHOD(GetDataHere)(FORMATETC* format, STGMEDIUM* medium);
        STDMETHOD(QueryGetData)(FORMATETC* format);
        STDMETHOD(GetCanonicalFormatEtc)(FORMATETC* formatIn, FORMATETC* formatOut);
        STDMETHOD(SetData)(FORMATETC* format, STGMEDIUM* medium, BOOL release);
        STDMETHOD(EnumFormatEtc)(DWORD direction, IEnumFORMATETC** enumerator);
        STDMETHOD(DAdvise)(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection);
        STDMETHOD(DUnadvise)(DWORD connection);
        STDMETHOD(EnumDAdvise)(IEnumSTATDATA** enumerator);

    private:
        COleDataSource* m_pOwner;
    };

    std::vector<CachedItem> m_items;
    XDataObject m_xDataObject;
    LONG m_dwRef;

private:
    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;
};
