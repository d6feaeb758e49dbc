#include "framework/menus/MyPopupMenu.h"

IMPLEMENT_DYNAMIC(CMyPopupMenu, CMyMenu)

CMyPopupMenu::CMyPopupMenu() : m_commandMap(10), m_root(this)
{
    m_commandMap.InitHashTable(17, FALSE);
    CreatePopupMenu();
}

CMyPopupMenu::~CMyPopupMenu()
{
    m_commandMap.RemoveAll();
    Clear();
}

CMyMenu* CMyPopupMenu::CreateSubMenu()
{
    CMyPopupMenu* menu = new CMyPopupMenu;
    menu->m_owner = m_owner;
    menu->m_relative = m_relative;
    menu->m_x = m_x;
    menu->m_y = m_y;
    menu->m_root = m_root;
    return menu;
}

void CMyPopupMenu::RecordCommand(UINT id, UINT sourceCommand)
{
    m_root->m_commandMap[id] = sourceCommand;
}

BOOL CMyPopupMenu::AppendCommand(UINT flags, UINT id, UINT sourceCommand, LPCTSTR text, int toolbarId, int imageCommand)
{
    BOOL result = CMyMenu::AppendCommand(flags, id, sourceCommand, text, toolbarId, imageCommand);
    RecordCommand(id, sourceCommand);
    return result;
}

BOOL CMyPopupMenu::InsertCommand(UINT position, UINT flags, UINT id, UINT sourceCommand, LPCTSTR text, int toolbarId,
                                 int imageCommand)
{
    BOOL result = CMyMenu::InsertCommand(position, flags, id, sourceCommand, text, toolbarId, imageCommand);
    RecordCommand(id, sourceCommand);
    return result;
}

BOOL CMyPopupMenu::LookupSourceCommand(UINT id, UINT& sourceCommand) const
{
    return m_root->m_commandMap.Lookup(id, sourceCommand);
}

void CMyPopupMenu::SetPosition(CWnd* owner, int x, int y, UINT)
{
    if (m_owner == NULL)
        m_owner = owner;
    if (m_relative && m_owner != NULL)
    {
        CRect window;
        m_owner->GetWindowRect(&window);
        x += window.left;
        y += window.top;
    }
    m_x = x;
    m_y = y;
}

UINT CMyPopupMenu::Track(UINT flags)
{
    if (GetMenuItemCount() == 0)
        return 0;
    return (UINT)TrackPopupMenu(flags | TPM_RETURNCMD, m_x, m_y, m_owner);
}
