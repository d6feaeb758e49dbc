#include "framework/lists/MyAutoSizeHeader.h"
#include "afx/app/AfxWin.h"
#include "framework/lists/MyListCtrl.h"

IMPLEMENT_DYNAMIC(CMyAutoSizeHeader, CMyHeaderCtrl)

// The list decides by its window's notification format whether the header
// reports in ANSI or in wide codes: both are answered.
BEGIN_MESSAGE_MAP(CMyAutoSizeHeader, CMyHeaderCtrl)
    ON_MESSAGE(HDM_LAYOUT, OnLayout)
    ON_MESSAGE(WM_HEADER_TRACK_ENDED, OnTrackEnded)
    ON_NOTIFY_REFLECT_EX(HDN_ENDTRACKA, OnEndTrack)
    ON_NOTIFY_REFLECT_EX(HDN_ENDTRACKW, OnEndTrack)
    ON_NOTIFY_REFLECT_EX(HDN_DIVIDERDBLCLICKA, OnDividerDoubleClick)
    ON_NOTIFY_REFLECT_EX(HDN_DIVIDERDBLCLICKW, OnDividerDoubleClick)
END_MESSAGE_MAP()

LRESULT CMyAutoSizeHeader::OnLayout(WPARAM, LPARAM lParam)
{
    LRESULT result = Default();
    if (m_list != NULL && lParam != 0)
        m_list->OnHeaderLayout((HDLAYOUT*)lParam);
    return result;
}

BOOL CMyAutoSizeHeader::IsFromOwnList() const
{
    // The list passes its header's notifications on to its own parent, where
    // they would be reflected here a second time.
    const MSG* message = GetCurrentMessage();
    return m_list != NULL && message != NULL && message->hwnd == m_list->m_hWnd;
}

BOOL CMyAutoSizeHeader::OnEndTrack(NMHDR*, LRESULT* result)
{
    if (!IsFromOwnList())
        return FALSE;
    PostMessage(WM_HEADER_TRACK_ENDED, (WPARAM)HDN_ENDTRACKA, 0);
    *result = 0;
    // The list's own handling of the drag goes on.
    return FALSE;
}

LRESULT CMyAutoSizeHeader::OnTrackEnded(WPARAM wParam, LPARAM)
{
    if ((int)wParam == (int)HDN_ENDTRACKA && m_list != NULL)
        m_list->OnColumnResized();
    return 0;
}

BOOL CMyAutoSizeHeader::OnDividerDoubleClick(NMHDR* header, LRESULT* result)
{
    int column = ((NMHEADERA*)header)->iItem;
    if (!IsFromOwnList() || !m_list->CanAutoSizeColumn(column))
        return FALSE;
    m_list->AutoSizeColumns(column, 10);
    *result = 0;
    return TRUE;
}
