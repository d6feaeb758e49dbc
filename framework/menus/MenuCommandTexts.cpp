#include "framework/menus/MenuCommandTexts.h"

#include "foundation/terminology/TokenExpander.h"
#include "framework/menus/MyMenu.h"
#include "framework/menus/MyMenuItem.h"

#include <map>

namespace
{
std::map<UINT, CString>& CommandTexts()
{
    static std::map<UINT, CString> texts;
    return texts;
}

void CollectTexts(const CMyMenu& menu)
{
    for (int i = 0; i < menu.GetItemCount(); ++i)
    {
        const CMyMenuItem* item = menu.GetItem(i);
        if (item->m_id == 0)
            continue;
        if ((item->m_flags & MF_POPUP) != 0)
        {
            if (CMyMenu* subMenu = menu.GetSubMenu(i))
                CollectTexts(*subMenu);
            continue;
        }
        if ((int)item->m_id < 1 || item->m_text.IsEmpty())
            continue;
        ExpandTokens(item->m_text, CommandTexts()[(UINT)item->m_id]);
    }
}
}

void CollectMenuCommandTexts(UINT menuResourceId)
{
    CMyMenu menu;
    if (menu.LoadMenu(menuResourceId))
        CollectTexts(menu);
}

BOOL GetMenuCommandText(UINT command, CString& text)
{
    auto found = CommandTexts().find(command);
    if (found == CommandTexts().end())
        return FALSE;
    text = found->second;
    return TRUE;
}
