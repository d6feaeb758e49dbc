#include "afx/ole/OleDropTarget.h"

#include "afx/windows/Wnd.h"

IMPLEMENT_DYNAMIC(COleDropTarget, CCmdTarget)

namespace
{
// The effect the target answered, kept within what the source allows.
DWORD Allowed(DROPEFFECT answer, DWORD allowed)
{
    return (answer & DROPEFFECT_SCROLL) | (answer & allowed);
}
}

COleDropTarget::COleDropTarget() : m_xDropTarget(this)
{
}

COleDropTarget::~COleDropTarget()
{
    Revoke();
}

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    HWND window = pWnd->GetSafeHwnd();
    if (window == NULL || ::RegisterDragDrop(window, &m_xDropTarget) != S_OK)
        return FALSE;
    m_hWnd = window;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (m_hWnd != NULL)
        ::RevokeDragDrop(m_hWnd);
    m_hWnd = NULL;
    m_dataObject.Release();
}

CWnd* COleDropTarget::TargetWindow() const
{
    return CWnd::FromHandle(m_hWnd);
}

CPoint COleDropTarget::ClientPoint(POINTL point) const
{
    POINT client = {point.x, point.y};
    ::ScreenToClient(m_hWnd, &client);
    return CPoint(client.x, client.y);
}

DROPEFFECT COleDropTarget::AnswerDrag(BOOL entering, DWORD keyState, POINTL point)
{
    CWnd* window = TargetWindow();
    CPoint client = ClientPoint(point);
    DROPEFFECT answer = OnDragScroll(window, keyState, client);
    if ((answer & DROPEFFECT_SCROLL) != 0)
        return answer;
    return entering ? OnDragEnter(window, &m_dataObject, keyState, client)
                    : OnDragOver(window, &m_dataObject, keyState, client);
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDropEx(CWnd*, COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint)
{
    return (DROPEFFECT)-1;
}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}

void COleDropTarget::OnDragLeave(CWnd*)
{
}

DROPEFFECT COleDropTarget::OnDragScroll(CWnd*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

STDMETHODIMP COleDropTarget::XDropTarget::QueryInterface(REFIID riid, void** ppv)
{
    if (riid == IID_IUnknown || riid == IID_IDropTarget)
    {
        *ppv = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
}

// The target lives as long as its owner: references are only counted.
STDMETHODIMP_(ULONG) COleDropTarget::XDropTarget::AddRef()
{
    return (ULONG)::InterlockedIncrement(&m_pOwner->m_dwRef);
}

STDMETHODIMP_(ULONG) COleDropTarget::XDropTarget::Release()
{
    return (ULONG)::InterlockedDecrement(&m_pOwner->m_dwRef);
}

// C++ exceptions never leave these calls: OLE calls them.
STDMETHODIMP COleDropTarget::XDropTarget::DragEnter(IDataObject* dataObject, DWORD keyState, POINTL point,
                                                    DWORD* effect)
{
    try
    {
        m_pOwner->m_dataObject.Attach(dataObject);
        *effect = Allowed(m_pOwner->AnswerDrag(TRUE, keyState, point), *effect);
        return S_OK;
    }
    catch (...)
    {
        *effect = DROPEFFECT_NONE;
        return E_UNEXPECTED;
    }
}

STDMETHODIMP COleDropTarget::XDropTarget::DragOver(DWORD keyState, POINTL point, DWORD* effect)
{
    try
    {
        *effect = Allowed(m_pOwner->AnswerDrag(FALSE, keyState, point), *effect);
        return S_OK;
    }
    catch (...)
    {
        *effect = DROPEFFECT_NONE;
        return E_UNEXPECTED;
    }
}

STDMETHODIMP COleDropTarget::XDropTarget::DragLeave()
{
    try
    {
        m_pOwner->OnDragLeave(m_pOwner->TargetWindow());
        m_pOwner->m_dataObject.Release();
        return S_OK;
    }
    catch (...)
    {
        return E_UNEXPECTED;
    }
}

STDMETHODIMP COleDropTarget::XDropTarget::Drop(IDataObject* dataObject, DWORD keyState, POINTL point, DWORD* effect)
{
    try
    {
        COleDropTarget* owner = m_pOwner;
        owner->m_dataObject.Attach(dataObject);
        CWnd* window = owner->TargetWindow();
        CPoint client = owner->ClientPoint(point);
        DROPEFFECT dropDefault =
            Allowed(owner->OnDragOver(window, &owner->m_dataObject, keyState, client), *effect) & ~DROPEFFECT_SCROLL;
        DROPEFFECT result = owner->OnDropEx(window, &owner->m_dataObject, dropDefault, *effect, client);
        if (result == (DROPEFFECT)-1)
            result = dropDefault != DROPEFFECT_NONE && owner->OnDrop(window, &owner->m_dataObject, dropDefault, client)
                         ? dropDefault
                         : DROPEFFECT_NONE;
        *effect = Allowed(result, *effect) & ~DROPEFFECT_SCROLL;
        owner->m_dataObject.Release();
        return S_OK;
    }
    catch (...)
    {
        *effect = DROPEFFECT_NONE;
        m_pOwner->m_dataObject.Release();
        return E_UNEXPECTED;
    }
}
