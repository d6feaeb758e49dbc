#pragma once
// The record of one owner-drawn menu item, handed to the menu as its item data.
#include "afx/app/AfxWin.h"

class CMyMenu;

class CMyMenuItem : public CObject
{
    DECLARE_DYNAMIC(CMyMenuItem)

public:
    CMyMenuItem() {}

    // Takes the item's flags (MF_OWNERDRAW added), id, text with its terms
    // expanded, toolbar and image command; the image is looked up anew.
    void Set(UINT flags, UINT_PTR id, LPCTSTR text, int toolbarId, int imageCommand);

    UINT m_flags = MF_OWNERDRAW;
    UINT_PTR m_id = 0;       // command id, or the sub-menu handle with MF_POPUP
    CString m_text;          // a tab may separate the accelerator text
    int m_toolbarId = -1;    // the toolbar whose image to use; -1: any registered
    int m_imageCommand = -1; // the command whose image to show; -1: the item's own
    CMyMenu* m_menu = NULL;  // the menu that holds the item
    BOOL m_imageLookedUp = FALSE;
    int m_imageCode = 0; // see GetToolbarImages; 0: no image
    int m_imageIndex = -1;
};
