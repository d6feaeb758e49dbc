#include "framework/dialogs/DialogSplitter.h"

#include "afx/app/WinApp.h"

IMPLEMENT_DYNAMIC(CDialogSplitter, CSplitterWnd)

int CDialogSplitter::RestorePosition(LPCTSTR section, LPCTSTR entry, int defaultPosition)
{
    m_section = section != NULL ? section : "";
    m_entry = entry != NULL ? entry : "";
    m_defaultPosition = defaultPosition < 1 ? 20 : defaultPosition;
    int stored = -1;
    if (CWinApp* app = AfxGetApp())
        stored = (int)app->GetProfileInt(m_section, m_entry, -1);
    m_position = stored < 1 ? m_defaultPosition : stored;
    if (m_hWnd != NULL)
    {
        SetColumnInfo(0, m_position, m_defaultPosition);
        RecalcLayout();
    }
    return m_position;
}

BOOL CDialogSplitter::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    return (BOOL)::SendMessage(::GetParent(m_hWnd), WM_COMMAND, wParam, lParam);
}

BOOL CDialogSplitter::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CWnd::OnNotify(wParam, lParam, pResult))
        return TRUE;
    *pResult = ::SendMessage(::GetParent(m_hWnd), WM_NOTIFY, wParam, lParam);
    return TRUE;
}

void CDialogSplitter::StopTracking(BOOL bAccept)
{
    CSplitterWnd::StopTracking(bAccept);
    if (m_section.IsEmpty() || m_entry.IsEmpty())
        return;
    int width = 0, minimum = 0;
    GetColumnInfo(0, width, minimum);
    if (width != m_position)
    {
        m_position = width;
        if (CWinApp* app = AfxGetApp())
            app->WriteProfileInt(m_section, m_entry, m_position);
    }
}
