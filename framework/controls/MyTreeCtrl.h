#pragma once
// A tree control that can show the program's shared pictures: an item then
// shows one picture while expanded and another while collapsed, both read
// from the owner's record that the item's data points to.
#include "afx/app/AfxWin.h"
#include "afx/controls/TreeCtrl.h"

// The start of the owner's record of an item in a tree with shared images.
struct CTreeItemImages
{
    DWORD m_ownerWords[2];
    int m_expandedImage;
    int m_collapsedImage;
};

class CMyTreeCtrl : public CTreeCtrl
{
    DECLARE_DYNCREATE(CMyTreeCtrl)

public:
    CMyTreeCtrl() : m_useSharedImages(0), m_deleteWithWindow(0) {}

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                CCreateContext* context = NULL) override;

    int m_useSharedImages;
    int m_deleteWithWindow;

protected:
    void PostNcDestroy() override;
    afx_msg void OnItemExpanded(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()
};
