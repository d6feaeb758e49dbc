#pragma once
// The drop target of a COleDragDropSupport: every drag-and-drop call goes on
// to the support object, which decides.
#include "afx/ole/OleDropTarget.h"

class COleDragDropSupport;

class CForwardingDropTarget : public COleDropTarget
{
public:
    explicit CForwardingDropTarget(COleDragDropSupport* owner) : m_owner(owner) {}

    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault, DROPEFFECT dropList,
                        CPoint point) override;
    void OnDragLeave(CWnd* pWnd) override;
    DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point) override;

private:
    COleDragDropSupport* m_owner;
};
