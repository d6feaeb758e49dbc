#include "framework/windows/WndToDestroyList.h"

void CWndToDestroyList::Remove(CWnd* wnd)
{
    for (INT_PTR i = 0; i < m_windows.GetSize(); i++)
    {
        if (m_windows[i] == wnd)
        {
            m_windows.RemoveAt(i);
            return;
        }
    }
}

CWnd* CWndToDestroyList::Check(CWnd* wnd) const
{
    for (INT_PTR i = 0; i < m_windows.GetSize(); i++)
    {
        if (m_windows[i] == wnd)
            return NULL;
    }
    return wnd;
}

void CWndToDestroyList::DestroyAll()
{
    CPtrArray listed;
    listed.Copy(m_windows);
    for (INT_PTR i = 0; i < listed.GetSize(); i++)
    {
        CWnd* wnd = (CWnd*)listed[i];
        if (wnd != NULL && ::IsWindow(wnd->GetSafeHwnd()))
            wnd->DestroyWindow();
    }
}

CWndToDestroyList& WndsToDestroyOnMessageBox()
{
    static CWndToDestroyList list;
    return list;
}

CWndToDestroyList& WndsToDestroyOnDialog()
{
    static CWndToDestroyList list;
    return list;
}

CWndToDestroyList& WndsToDestroyOnPropertySheet()
{
    static CWndToDestroyList list;
    return list;
}

CWndToDestroyList& WndsToDestroyOnMyWnd()
{
    static CWndToDestroyList list;
    return list;
}

void RemoveWndToDestroyOnMessageBox(CWnd* wnd) { WndsToDestroyOnMessageBox().Remove(wnd); }
void RemoveWndToDestroyOnDialog(CWnd* wnd) { WndsToDestroyOnDialog().Remove(wnd); }
void RemoveWndToDestroyOnPropertySheet(CWnd* wnd) { WndsToDestroyOnPropertySheet().Remove(wnd); }
void RemoveWndToDestroyOnMyWnd(CWnd* wnd) { WndsToDestroyOnMyWnd().Remove(wnd); }

CWnd* CheckWndToDestroy(CWnd* wnd)
{
    wnd = WndsToDestroyOnMessageBox().Check(wnd);
    wnd = WndsToDestroyOnDialog().Check(wnd);
    wnd = WndsToDestroyOnPropertySheet().Check(wnd);
    return WndsToDestroyOnMyWnd().Check(wnd);
}

void CWndToDestroyLink::Release()
{
    if (m_registered)
    {
        RemoveWndToDestroyOnMessageBox(m_wnd);
        RemoveWndToDestroyOnDialog(m_wnd);
        RemoveWndToDestroyOnPropertySheet(m_wnd);
        RemoveWndToDestroyOnMyWnd(m_wnd);
        m_registered = FALSE;
    }
}
