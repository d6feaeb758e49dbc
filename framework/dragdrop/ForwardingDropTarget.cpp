#include "framework/dragdrop/ForwardingDropTarget.h"

#include "framework/dragdrop/OleDragDropSupport.h"

DROPEFFECT CForwardingDropTarget::OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    return m_owner->OnDragEnter(pWnd, pDataObject, dwKeyState, point);
}

DROPEFFECT CForwardingDropTarget::OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    return m_owner->OnDragOver(pWnd, pDataObject, dwKeyState, point);
}

DROPEFFECT CForwardingDropTarget::OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                           DROPEFFECT dropList, CPoint point)
{
    return m_owner->OnDropEx(pWnd, pDataObject, dropDefault, dropList, point);
}

void CForwardingDropTarget::OnDragLeave(CWnd* pWnd)
{
    m_owner->OnDragLeave(pWnd);
}

DROPEFFECT CForwardingDropTarget::OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point)
{
    return m_owner->OnDragScroll(pWnd, dwKeyState, point);
}
