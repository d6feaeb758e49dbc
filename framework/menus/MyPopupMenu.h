#pragma once
// CMyPopupMenu: an owner-drawn context menu, shown at a position on the
// screen for an owner window and answering the chosen command. It remembers
// for each command item the command it was made from.
#include "framework/menus/MyMenu.h"

class CMyPopupMenu : public CMyMenu
{
    DECLARE_DYNAMIC(CMyPopupMenu)

public:
    CMyPopupMenu();
    ~CMyPopupMenu() override;

    CMyMenu* CreateSubMenu() override;
    BOOL AppendCommand(UINT flags, UINT id, UINT sourceCommand = 0, LPCTSTR text = NULL, int toolbarId = -1,
                       int imageCommand = -1) override;
    BOOL InsertCommand(UINT position, UINT flags, UINT id, UINT sourceCommand = 0, LPCTSTR text = NULL,
                       int toolbarId = -1, int imageCommand = -1) override;
    BOOL IsDrawnAsMenuBar() const override { return m_root->m_menuBar; }

    // Keeps an owner already set, else takes this one; a relative position
    // is taken from the owner window's top-left corner on the screen.
    void SetPosition(CWnd* owner, int x, int y, UINT keyFlags = 0);
    // Shows the menu and answers the chosen command id; 0 when cancelled or
    // when the menu has no items (then nothing shows).
    UINT Track(UINT flags = 0);
    // The command an item's command was made from (0: none given).
    BOOL LookupSourceCommand(UINT id, UINT& sourceCommand) const;

    CWnd* GetOwner() const { return m_owner; }
    CPoint GetPosition() const { return CPoint(m_x, m_y); }
    void SetRelativePosition(BOOL relative) { m_relative = relative; }

private:
    void RecordCommand(UINT id, UINT sourceCommand);

    CWnd* m_owner = NULL;
    BOOL m_relative = TRUE;
    int m_x = 0;
    int m_y = 0;
    CMap<UINT, UINT, UINT, UINT> m_commandMap;
    CMyPopupMenu* m_root;
};
