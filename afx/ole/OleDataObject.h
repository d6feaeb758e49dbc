#pragma once
// COleDataObject: the reading side of OLE data: a data object attached from
// a drop or from the clipboard, asked for its global memory blocks.
#include "afx/core/AfxCore.h"

#include <ole2.h>

class COleDataObject
{
public:
    COleDataObject() {}
    ~COleDataObject() { Release(); }

    // Takes the data object, with a reference of its own unless told not to
    // release it.
    void Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease = TRUE);
    LPDATAOBJECT Detach();
    void Release();
    // Attaches the object on the clipboard; FALSE when there is none.
    BOOL AttachClipboard();
    BOOL IsAttached() const { return m_lpDataObject != NULL; }

    BOOL IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);
    // A copy of the data as a global block, which the caller frees; null when
    // the object does not have it.
    HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);
    LPDATAOBJECT GetIDataObject(BOOL bAddRef);

private:
    static FORMATETC MakeFormat(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc);

    LPDATAOBJECT m_lpDataObject = NULL;
    BOOL m_bAutoRelease = TRUE;

    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;
};

// A movable copy of a global memory block; null when it cannot be made.
HGLOBAL AFXAPI AfxCopyGlobalMemory(HGLOBAL block);
