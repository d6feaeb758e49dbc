#pragma once
// COleDropTarget: makes a window a target of OLE drag and drop. The
// platform's IDropTarget calls arrive as the virtual members below, with the
// dragged data as a COleDataObject and points in the window's client
// coordinates.
#include "afx/windows/CmdTarget.h"
#include "afx/ole/OleDataObject.h"
#include "afx/gdi/Point.h"

class CWnd;

typedef DWORD DROPEFFECT;

class COleDropTarget : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDropTarget)

public:
    COleDropTarget();
    virtual ~COleDropTarget();

    // Registers the window as a drop target; FALSE when OLE refuses
    // (OLE not initialised, or the window registered already).
    BOOL Register(CWnd* pWnd);
    void Revoke();
    HWND GetWindow() const { return m_hWnd; }

    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    // -1 leaves the drop to OnDrop.
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault, DROPEFFECT dropList,
                                CPoint point);
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);
    virtual DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point);

    // The target's IDropTarget, without an added reference.
    LPDROPTARGET GetDropTarget() { return &m_xDropTarget; }

protected:
    class XDropTarget : public IDropTarget
    {
    public:
        explicit XDropTarget(COleDropTarget* owner) : m_pOwner(owner) {}

        STDMETHOD(QueryInterface)(REFIID riid, void** ppv);
        STDMETHOD_(ULONG, AddRef)();
        STDMETHOD_(ULONG, Release)();
        STDMETHOD(DragEnter)(IDataObject* dataObject, DWORD keyState, POINTL point, DWORD* effect);
        STDMETHOD(DragOver)(DWORD keyState, POINTL point, DWORD* effect);
        STDMETHOD(DragLeave)();
        STDMETHOD(Drop)(IDataObject* dataObject, DWORD keyState, POINTL point, DWORD* effect);

    private:
        COleDropTarget* m_pOwner;
    };

    // The window of the target and the point in its client coordinates.
    CWnd* TargetWindow() const;
    CPoint ClientPoint(POINTL point) const;
    // A scroll the window asks for at the point, else its answer to the
    // drag entering or moving over it.
    DROPEFFECT AnswerDrag(BOOL entering, DWORD keyState, POINTL point);

    HWND m_hWnd = NULL;
    COleDataObject m_dataObject; // what is being dragged over the window
    XDropTarget m_xDropTarget;
    LONG m_dwRef = 0;
};
