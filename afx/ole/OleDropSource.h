#pragma once
// COleDropSource: the dragging side of OLE drag and drop. The drag ends with
// a drop when the mouse button that started it goes up, and is cancelled by
// Escape, or by the button going up before the mouse has left the start
// rectangle.
#include "afx/windows/CmdTarget.h"
#include "afx/gdi/Rect.h"

#include <ole2.h>

class COleDropSource : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDropSource)

public:
    COleDropSource();

    // Called with the mouse inside the start rectangle; TRUE when the drag
    // has started (the mouse left it) before its button went up.
    virtual BOOL OnBeginDrag(CWnd* pWnd);
    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
    virtual SCODE GiveFeedback(DWORD dropEffect);

    LPDROPSOURCE GetDropSource() { return &m_xDropSource; }

    CRect m_rectStartDrag; // screen coordinates; empty: the drag starts at once
    BOOL m_bDragStarted = FALSE;
    DWORD m_dwButtonCancel = 0; // the buttons that cancel and drop
    DWORD m_dwButtonDrop = 0;

protected:
    class XDropSource : public IDropSource
    {
    public:
        explicit XDropSource(COleDropSource* owner) : m_pOwner(owner) {}
        STDMETHOD(QueryInterface)(REFIID riid, void** ppv);
        STDMETHOD_(ULONG, AddRef)();
        STDMETHOD_(ULONG, Release)();
        STDMETHOD(QueryContinueDrag)(BOOL escapePressed, DWORD keyState);
        STDMETHOD(GiveFeedback)(DWORD effect);

    private:
        COleDropSource* m_pOwner;
    };
    XDropSource m_xDropSource;
    LONG m_dwRef = 0;
};
