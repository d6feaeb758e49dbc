#include "afx/ole/OleDropSource.h"

IMPLEMENT_DYNAMIC(COleDropSource, CCmdTarget)

COleDropSource::COleDropSource() : m_xDropSource(this)
{
}

BOOL COleDropSource::OnBeginDrag(CWnd*)
{
    m_bDragStarted = FALSE;
    // The button that is down now drops; the other one cancels.
    BOOL left = (::GetKeyState(::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) & 0x8000) != 0;
    m_dwButtonDrop = left || (::GetKeyState(VK_RBUTTON) & 0x8000) == 0 ? MK_LBUTTON : MK_RBUTTON;
    m_dwButtonCancel = m_dwButtonDrop == MK_LBUTTON ? MK_RBUTTON : MK_LBUTTON;
    if (m_rectStartDrag.IsRectNull())
    {
        m_bDragStarted = TRUE;
        return TRUE;
    }
    // Wait for the mouse to leave the start rectangle, or the button to go up.
    for (;;)
    {
        POINT cursor;
        ::GetCursorPos(&cursor);
        if (!m_rectStartDrag.PtInRect(cursor))
        {
            m_bDragStarted = TRUE;
            return TRUE;
        }
        if ((::GetKeyState(m_dwButtonDrop == MK_LBUTTON ? VK_LBUTTON : VK_RBUTTON) & 0x8000) == 0 ||
            (::GetKeyState(VK_ESCAPE) & 0x8000) != 0)
            return FALSE;
        MSG msg;
        if (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
            {
                ::PostQuitMessage((int)msg.wParam);
                return FALSE;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        else
        {
            ::WaitMessage();
        }
    }
}

SCODE COleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (bEscapePressed || (dwKeyState & m_dwButtonCancel) != 0)
        return DRAGDROP_S_CANCEL;
    if ((dwKeyState & m_dwButtonDrop) == 0)
        return m_bDragStarted ? DRAGDROP_S_DROP : DRAGDROP_S_CANCEL;
    return S_OK;
}

SCODE COleDropSource::GiveFeedback(DWORD)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

STDMETHODIMP COleDropSource::XDropSource::QueryInterface(REFIID riid, void** ppv)
{
    if (riid == IID_IUnknown || riid == IID_IDropSource)
    {
        *ppv = static_cast<IDropSource*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) COleDropSource::XDropSource::AddRef()
{
    return (ULONG)::InterlockedIncrement(&m_pOwner->m_dwRef);
}

STDMETHODIMP_(ULONG) COleDropSource::XDropSource::Release()
{
    return (ULONG)::InterlockedDecrement(&m_pOwner->m_dwRef);
}

// C++ exceptions never leave these calls: OLE calls them.
STDMETHODIMP COleDropSource::XDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState)
{
    try
    {
        return m_pOwner->QueryContinueDrag(escapePressed, keyState);
    }
    catch (...)
    {
        return DRAGDROP_S_CANCEL;
    }
}

STDMETHODIMP COleDropSource::XDropSource::GiveFeedback(DWORD effect)
{
    try
    {
        return m_pOwner->GiveFeedback(effect);
    }
    catch (...)
    {
        return DRAGDROP_S_USEDEFAULTCURSORS;
    }
}
