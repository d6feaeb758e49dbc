#include "framework/files/FolderPicker.h"
#include "afx/core/CallbackBarrier.h"
#include "foundation/terminology/FrameworkTextHooks.h"

CFolderPicker::CFolderPicker(LPCTSTR initialFolder, CWnd* owner, UINT flags)
    : m_initialFolder(initialFolder != NULL ? initialFolder : ""),
      m_title(ExpandFrameworkText("Please select a folder"))
{
    m_displayName[0] = '\0';
    m_path[0] = '\0';
    memset(&m_browseInfo, 0, sizeof(m_browseInfo));
    m_browseInfo.hwndOwner = owner != NULL ? owner->GetSafeHwnd() : NULL;
    m_browseInfo.pszDisplayName = m_displayName;
    m_browseInfo.ulFlags = flags | BIF_STATUSTEXT;
    m_browseInfo.lpfn = BrowseCallback;
    m_browseInfo.lParam = (LPARAM)this;
}

CString CFolderPicker::ShortenPath(LPCTSTR path)
{
    CString text(path);
    return text.GetLength() > 35 ? text.Left(35) + "..." : text;
}

int CFolderPicker::Browse()
{
    m_chosenFolder = m_initialFolder;
    m_browseInfo.lpszTitle = m_title;
    LPITEMIDLIST item = ::SHBrowseForFolderA(&m_browseInfo);
    int result = IDCANCEL;
    if (item != NULL)
    {
        if (::SHGetPathFromIDListA(item, m_path))
        {
            m_chosenFolder = m_path;
            result = IDOK;
        }
        ::CoTaskMemFree(item);
    }
    m_dialog = NULL;
    return result;
}

int CALLBACK CFolderPicker::BrowseCallback(HWND dialog, UINT message, LPARAM lParam, LPARAM data)
{
    return AfxCallbackBarrier<int>(0, dialog, message, [&]() -> int {
        return ((CFolderPicker*)data)->OnBrowseCallback(dialog, message, lParam);
    });
}

int CFolderPicker::OnBrowseCallback(HWND dialog, UINT message, LPARAM lParam)
{
    m_dialog = dialog;
    if (message == BFFM_INITIALIZED)
        OnInitialized();
    else if (message == BFFM_SELCHANGED)
        OnSelectionChanged((LPCITEMIDLIST)lParam);
    return 0;
}

void CFolderPicker::OnInitialized()
{
    // Wine's browser can fail the first selection in a new prefix while it
    // probes the drives; a second try finds the folder.
    if (!::SendMessageA(m_dialog, BFFM_SETSELECTIONA, TRUE, (LPARAM)(LPCTSTR)m_initialFolder))
        ::SendMessageA(m_dialog, BFFM_SETSELECTIONA, TRUE, (LPARAM)(LPCTSTR)m_initialFolder);
    ::SendMessageA(m_dialog, BFFM_SETSTATUSTEXTA, 0, (LPARAM)(LPCTSTR)ShortenPath(m_initialFolder));
}

void CFolderPicker::OnSelectionChanged(LPCITEMIDLIST item)
{
    char path[MAX_PATH] = "";
    if (item == NULL || !::SHGetPathFromIDListA(item, path))
        return;
    m_chosenFolder = path;
    ::SendMessageA(m_dialog, BFFM_SETSTATUSTEXTA, 0, (LPARAM)(LPCTSTR)ShortenPath(path));
}
