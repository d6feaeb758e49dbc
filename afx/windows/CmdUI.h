// CCmdUI: the state of one user-interface item (menu entry or control) that
// an update handler enables, checks or relabels.
#pragma once

#include "afx/windows/MessageMap.h"

class CCmdUI
{
public:
    UINT m_nID;
    UINT m_nIndex;        // position in m_pMenu
    CMenu* m_pMenu;       // the menu of a menu item, else null
    CMenu* m_pSubMenu;    // the pop-up an item opens, else null
    CWnd* m_pOther;       // the control of a control item, else null
    BOOL m_bEnableChanged;
    BOOL m_bContinueRouting;
    UINT m_nIndexMax;     // number of items in m_pMenu
    CMenu* m_pParentMenu;

    CCmdUI();
    virtual ~CCmdUI() {}

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);   // 0 clear, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);

    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks the target to update this item. With bDisableIfNoHandler an item
    // that nothing enabled is enabled exactly when the target handles its
    // command. Menu entries have their terminology tokens expanded. Returns
    // whether the target handled the update.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler);
};

// Updates every item of a pop-up menu through the target's update handlers,
// as a frame does before it shows a menu: an item whose command nothing
// handles is disabled. Items that open sub-menus are left alone.
void AFXAPI AfxUpdateMenuItems(CMenu* pPopup, CCmdTarget* pTarget);

// Sets a window's text only when it differs, so that unchanged texts cause no
// repaint or change notification.
void AFXAPI AfxSetWindowText(HWND hWndCtrl, LPCTSTR lpszNew);
