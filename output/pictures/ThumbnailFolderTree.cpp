#include "output/pictures/ThumbnailFolderTree.h"

#include "output/pictures/ThumbnailViewerDlg.h"

IMPLEMENT_DYNCREATE(CThumbnailFolderTree, CFileTreeCtrl)

BEGIN_MESSAGE_MAP(CThumbnailFolderTree, CFileTreeCtrl)
ON_NOTIFY_REFLECT(TVN_SELCHANGEDA, OnSelChanged)
END_MESSAGE_MAP()

void CThumbnailFolderTree::OnSelChanged(NMHDR*, LRESULT* result)
{
    *result = 0;
    if (m_pOwner != NULL)
        m_pOwner->OnFolderSelected(GetSelectedPath());
}
