#pragma once
// The header of a CMyListCtrl: its height follows its font, a finished
// column drag tells the list, and a double-click on a divider sizes the
// column to its contents.
#include "framework/lists/MyHeaderCtrl.h"
#include "framework/messages/PrivateMessages.h"

class CMyAutoSizeHeader : public CMyHeaderCtrl
{
    DECLARE_DYNAMIC(CMyAutoSizeHeader)

protected:
    BOOL IsFromOwnList() const;
    afx_msg LRESULT OnLayout(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnTrackEnded(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnEndTrack(NMHDR* header, LRESULT* result);
    afx_msg BOOL OnDividerDoubleClick(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()
};
