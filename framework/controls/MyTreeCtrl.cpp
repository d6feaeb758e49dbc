#include "framework/controls/MyTreeCtrl.h"

#include "framework/app/SharedImageLists.h"

IMPLEMENT_DYNCREATE(CMyTreeCtrl, CTreeCtrl)

BEGIN_MESSAGE_MAP(CMyTreeCtrl, CTreeCtrl)
    ON_NOTIFY_REFLECT(TVN_ITEMEXPANDEDA, OnItemExpanded)
END_MESSAGE_MAP()

BOOL CMyTreeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (!CTreeCtrl::Create(style, rect, parent, id))
        return FALSE;
    if (m_useSharedImages)
        SendMessage(TVM_SETIMAGELIST, TVSIL_NORMAL, (LPARAM)GetSharedImageLists().m_normal.GetSafeHandle());
    return TRUE;
}

BOOL CMyTreeCtrl::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                         UINT id, CCreateContext* context)
{
    if (className != NULL)
        return CWnd::Create(className, windowName, style, rect, parent, id, context);
    return Create(style, rect, parent, id);
}

void CMyTreeCtrl::PostNcDestroy()
{
    CTreeCtrl::PostNcDestroy();
    if (m_deleteWithWindow)
        delete this;
}

void CMyTreeCtrl::OnItemExpanded(NMHDR* header, LRESULT* result)
{
    // Handled in every case: the parent never sees it.
    *result = 0;
    NMTREEVIEWA* view = (NMTREEVIEWA*)header;
    if (!m_useSharedImages || view->itemNew.hItem == NULL)
        return;
    TVITEMA item = {};
    item.hItem = view->itemNew.hItem;
    item.mask = TVIF_PARAM;
    if (!SendMessage(TVM_GETITEMA, 0, (LPARAM)&item) || item.lParam == 0)
        return;
    const CTreeItemImages* images = (const CTreeItemImages*)item.lParam;
    int image = (view->itemNew.state & TVIS_EXPANDED) ? images->m_expandedImage : images->m_collapsedImage;
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.iImage = item.iSelectedImage = image;
    SendMessage(TVM_SETITEMA, 0, (LPARAM)&item);
}
