#pragma once
// The shell's folder browser, opened on an initial folder; the folder under
// the selection is shown, shortened, as the browser's status text.
#include "afx/app/AfxWin.h"

#include <shlobj.h>

class CFolderPicker
{
public:
    // BIF_STATUSTEXT is always added to the flags.
    CFolderPicker(LPCTSTR initialFolder, CWnd* owner, UINT flags);
    virtual ~CFolderPicker() {}

    BROWSEINFOA m_browseInfo;
    CString m_initialFolder;
    CString m_chosenFolder;
    char m_displayName[MAX_PATH];
    char m_path[MAX_PATH];
    HWND m_dialog = NULL;
    CString m_title;

    // IDOK with the chosen folder, IDCANCEL when none was chosen.
    int Browse();
    // A path longer than 35 characters: its first 35 and "...".
    static CString ShortenPath(LPCTSTR path);

    virtual int OnBrowseCallback(HWND dialog, UINT message, LPARAM lParam);
    virtual void OnInitialized();
    virtual void OnSelectionChanged(LPCITEMIDLIST item);

private:
    static int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM lParam, LPARAM data);
    CFolderPicker(const CFolderPicker&) = delete;
    CFolderPicker& operator=(const CFolderPicker&) = delete;
};
