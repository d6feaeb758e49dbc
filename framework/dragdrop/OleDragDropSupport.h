#pragma once
// What a control embeds to exchange data with other windows: it makes the
// control a drop target, starts drags from it, and gives it Copy, Cut, Paste
// and Clear. The control only answers whether it has a selection, puts its
// selection into a data source, and says whether and how it reads a data
// object; drop effects, feedback, the drag threshold and moving versus
// copying are decided here.
#include "afx/app/AfxWin.h"
#include "afx/ole/OleDataObject.h"
#include "afx/ole/OleDataSource.h"
#include "framework/dragdrop/ForwardingDropTarget.h"

class COleDragDropSupport
{
public:
    COleDragDropSupport();
    virtual ~COleDragDropSupport();

    // Makes the window a drop target (hosts call it on WM_CREATE); TRUE when
    // it is one.
    BOOL Register(CWnd* window);
    // The window goes away: it is no drop target any more, and a window made
    // again for the same host registers afresh.
    void Revoke();
    // Starts a drag once the mouse has moved far enough from the drag origin;
    // hosts call it on every WM_MOUSEMOVE. TRUE when a drag ran.
    BOOL CheckDragStart(CWnd* window, UINT keyFlags, CPoint point);
    // A drag may start from this point (the mouse button went down there).
    void SetDragOrigin(CWnd* window, UINT keyFlags, int x, int y);
    // The button went up, or the mouse was taken away: no drag.
    void CancelDragStart() { m_dragPending = FALSE; }

    virtual BOOL IsEnabled();
    virtual void SyncEnabled(CWnd* window);
    virtual BOOL CanCopy();
    virtual BOOL Copy();
    virtual BOOL CanCut();
    virtual BOOL Cut();
    virtual BOOL CanClear();
    virtual BOOL Clear();
    virtual BOOL CanPaste();
    virtual BOOL Paste();

    // The host's part.
    virtual BOOL HasSelection();
    virtual BOOL FillDataSource(COleDataSource* source);
    virtual BOOL CanReadData(COleDataObject* data);
    // Reads the data in place of the selection; no data means removing it.
    virtual BOOL ReadData(COleDataObject* data);

    virtual BOOL CanAcceptDrop(COleDataObject* data, DWORD keyState, CPoint point);
    virtual DROPEFFECT DropData(COleDataObject* data, DROPEFFECT effect, DROPEFFECT effects, CPoint point);
    virtual BOOL CanPasteData(COleDataObject* data);
    virtual BOOL PasteData(COleDataObject* data);
    virtual DROPEFFECT GetDragEffects();
    virtual void OnDragDone(DROPEFFECT effect);
    virtual BOOL StartDrag(CWnd* window);
    virtual void ShowDropFeedback(CWnd* window, COleDataObject* data, DWORD keyState, CPoint point, DROPEFFECT effect);
    virtual void HideDropFeedback(CWnd* window, BOOL dropped);
    virtual DROPEFFECT GetDropEffect(CWnd* window, COleDataObject* data, DWORD keyState, CPoint point);
    virtual DROPEFFECT OnDragEnter(CWnd* window, COleDataObject* data, DWORD keyState, CPoint point);
    virtual void OnDragLeave(CWnd* window);
    virtual DROPEFFECT OnDragOver(CWnd* window, COleDataObject* data, DWORD keyState, CPoint point);
    virtual DROPEFFECT OnDragScroll(CWnd* window, DWORD keyState, CPoint point);
    virtual DROPEFFECT OnDropEx(CWnd* window, COleDataObject* data, DROPEFFECT dropDefault, DROPEFFECT dropList,
                                CPoint point);

    BOOL m_registered = FALSE;
    CForwardingDropTarget m_dropTarget;
    BOOL m_enabled = TRUE;
    BOOL m_dragPending = FALSE;
    CPoint m_dragOrigin;
    DROPEFFECT m_feedbackEffect = DROPEFFECT_NONE; // none: no feedback shown
    BOOL m_acceptable = FALSE;
    CPoint m_feedbackPoint;

private:
    void ClearFeedback(CWnd* window, BOOL dropped);

    COleDragDropSupport(const COleDragDropSupport&) = delete;
    COleDragDropSupport& operator=(const COleDragDropSupport&) = delete;
};

// The text of a data object in the format, read no further than its block
// (a missing zero ends it there); FALSE when the object has no such data.
BOOL ReadDataObjectText(COleDataObject* data, CLIPFORMAT format, CString& text);
