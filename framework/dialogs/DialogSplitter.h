#pragma once
// A splitter whose panes are ordinary controls of a dialog: it passes the
// panes' commands and notifications up to the dialog, takes the pane with the
// keyboard focus as the active one (as the splitter base does: there are no
// frames or views), and remembers its first column's width
// in the application's profile.
#include "afx/windows/SplitterWnd.h"
#include "afx/strings/String.h"

class CDialogSplitter : public CSplitterWnd
{
    DECLARE_DYNAMIC(CDialogSplitter)

public:
    CDialogSplitter() {}

    CString m_section;
    CString m_entry;
    int m_defaultPosition = 50;
    int m_position = 50;

    // Reads the first column's width from the profile (the default when none
    // or not above 0 is stored) and applies it; the width in use.
    int RestorePosition(LPCTSTR section, LPCTSTR entry, int defaultPosition);

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void StopTracking(BOOL bAccept) override;
};
