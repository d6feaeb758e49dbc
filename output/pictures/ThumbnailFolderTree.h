#pragma once
// The folder tree of the thumbnail viewer: folders only, and each newly
// selected folder is handed to the viewer that owns the tree.
#include "framework/files/FileTreeCtrl.h"

class CThumbnailViewerDlg;

class CThumbnailFolderTree : public CFileTreeCtrl
{
    DECLARE_DYNCREATE(CThumbnailFolderTree)

public:
    CThumbnailFolderTree() {}

    CThumbnailViewerDlg* m_pOwner = NULL; // not owned; none until the viewer sets it

protected:
    afx_msg void OnSelChanged(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()
};
