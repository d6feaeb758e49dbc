#pragma once
// CMyMenu: a menu whose items are all owner-drawn: each shows the image its
// command has on a toolbar, its own check marks, its accelerator text
// right-aligned and an embossed face when disabled. Item texts have their
// terminology tokens expanded. A menu owns its item records and the menu
// objects of its sub-menus.
#include "afx/app/AfxWin.h"
#include "framework/menus/ToolbarImageCache.h"

#include <memory>
#include <vector>

class CMyMenuItem;

class CMyMenu : public CMenu
{
    DECLARE_DYNCREATE(CMyMenu)

public:
    CMyMenu();
    ~CMyMenu() override;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

    // A new empty menu of the same class, for a sub-menu.
    virtual CMyMenu* CreateSubMenu();
    // Adds a command's item: the text defaults to the recorded text of the
    // source command (id when 0), the image command to the source command.
    virtual BOOL AppendCommand(UINT flags, UINT id, UINT sourceCommand = 0, LPCTSTR text = NULL, int toolbarId = -1,
                               int imageCommand = -1);
    virtual BOOL InsertCommand(UINT position, UINT flags, UINT id, UINT sourceCommand = 0, LPCTSTR text = NULL,
                               int toolbarId = -1, int imageCommand = -1);
    // Deletes the items, the sub-menus and the menu handle.
    virtual void Clear();

    // position is a position with MF_BYPOSITION (-1 appends), else a command
    // id whose item's position is taken (FALSE when no item has it). Id 0
    // makes a separator; with MF_POPUP the id is the sub-menu's handle.
    BOOL InsertItem(UINT position, UINT flags, UINT_PTR id, LPCTSTR text, int toolbarId = -1, int imageCommand = -1);
    BOOL AppendItem(UINT flags, UINT_PTR id, LPCTSTR text, int toolbarId = -1, int imageCommand = -1);
    BOOL ModifyItem(UINT position, UINT flags, UINT_PTR id, LPCTSTR text, int toolbarId = -1, int imageCommand = -1);
    // The item's text and its length; 0 when there is no such item.
    int GetItemText(UINT position, CString& text, UINT flags) const;
    int FindItemIndex(UINT id) const;
    CMyMenu* GetSubMenu(int position) const;
    int GetItemCount() const { return (int)m_items.size(); }
    CMyMenuItem* GetItem(int position) const;

    // Builds the menu from a menu resource; FALSE when it cannot be loaded.
    BOOL LoadMenu(UINT resourceId);

    // The check images: image 0 normal, image 1 selected.
    void SetCheckImages(CImageList* images, BOOL owned, BOOL hasSelected, BOOL hasNormal);
    void SetMenuBar(BOOL menuBar) { m_menuBar = menuBar; }
    // Whether items take the menu bar's look (centred text, no images).
    virtual BOOL IsDrawnAsMenuBar() const { return m_menuBar; }

    CMyMenu* GetParentMenu() const { return m_parent; }
    CMyMenu* GetRootMenu();
    ToolbarImageCache& GetImageCache() { return m_imageCache; }

protected:
    // The record's position, by position or by command id; -1 when none.
    int ResolvePosition(UINT position, UINT flags) const;
    void AdoptSubMenu(UINT_PTR handle);
    void ReleaseSubMenu(UINT_PTR handle);
    void MeasureRecord(CMyMenuItem* item, LPMEASUREITEMSTRUCT measure);
    void DrawRecord(CMyMenuItem* item, LPDRAWITEMSTRUCT draw);
    // Whether the item is checked as one of a group (a dot, not a check mark).
    BOOL IsRadioItem(CMyMenuItem* item) const;

    // The check images in use: the menu's own, or borrowed (a sub-menu uses
    // those of the menu it was loaded with).
    CImageList* m_checkImages = NULL;
    std::unique_ptr<CImageList> m_ownCheckImages;
    BOOL m_hasSelectedCheckImage = FALSE;
    BOOL m_hasNormalCheckImage = FALSE;
    std::vector<std::unique_ptr<CMyMenuItem>> m_items;
    std::vector<std::unique_ptr<CMyMenu>> m_subMenus;
    ToolbarImageCache m_imageCache;
    CMyMenu* m_parent = NULL;
    BOOL m_menuBar = FALSE;
};

// Whether the menu object of the handle is a CMyMenu.
BOOL IsMyMenuHandle(HMENU menu);
CMyMenu* GetMyMenu(HMENU menu);
// The WM_MENUCHAR answer for an owner-drawn menu: MNC_EXECUTE and the
// position of the first item whose mnemonic is the character; 0 when none
// (or when the menu is no CMyMenu). "&&" stands for an ampersand.
LRESULT FindMenuMnemonic(UINT character, UINT flags, CMenu* menu);
// A window's WM_MENUCHAR answer: the mnemonic of an owner-drawn menu, else
// the window's default handling.
LRESULT AnswerMenuChar(CWnd* window, UINT character, UINT flags, CMenu* menu);
// The position of the mnemonic character in a menu text ("&&" is skipped);
// -1 when it has none.
int FindMnemonicPosition(LPCTSTR text);
// The text as it shows: every "&" removed, "&&" leaving one.
CString RemoveMnemonicMarks(LPCTSTR text);
