#include "framework/menus/MenuCommands.h"

#include "framework/controls/CommandStateCollector.h"
#include "framework/menus/MyMenu.h"

#include <cstdarg>

BOOL AddCommandMenuItem(CMyMenu* menu, UINT id, int toolbarId, int imageCommand, CCmdTarget* target, LPCTSTR text)
{
    CCommandStateCollector state(id, target);
    CString itemText = !state.m_text.IsEmpty() ? state.m_text : CString(text != NULL ? text : "");
    if (itemText.IsEmpty() || !menu->AppendItem(0, id, itemText, toolbarId, imageCommand))
        return FALSE;
    menu->EnableMenuItem(id, MF_BYCOMMAND | (state.m_enabled ? MF_ENABLED : MF_GRAYED));
    if (state.m_check != 0)
    {
        if (state.m_radio)
            menu->CheckMenuRadioItem(id, id, id, MF_BYCOMMAND);
        else
            menu->CheckMenuItem(id, MF_BYCOMMAND | MF_CHECKED);
    }
    return TRUE;
}

BOOL InsertCommandMenuItem(CMyMenu* menu, UINT id, int toolbarId, int imageCommand, CCmdTarget* target, LPCTSTR format,
                           ...)
{
    CString text;
    if (format != NULL)
    {
        va_list arguments;
        va_start(arguments, format);
        text.FormatV(format, arguments);
        va_end(arguments);
    }
    return AddCommandMenuItem(menu, id, toolbarId, imageCommand, target, text);
}

void UpdateMenuCommandStates(CMyMenu* menu, CCmdTarget* target)
{
    for (int position = 0; position < (int)menu->GetMenuItemCount(); ++position)
    {
        if (CMyMenu* subMenu = menu->GetSubMenu(position))
        {
            UpdateMenuCommandStates(subMenu, target);
            continue;
        }
        if ((menu->GetMenuState(position, MF_BYPOSITION) & MF_SEPARATOR) != 0)
            continue;
        UINT id = menu->GetMenuItemID(position);
        CCommandStateCollector state(id, target);
        // A new text keeps the item's check mark.
        if (!state.m_text.IsEmpty())
            menu->ModifyItem(position, MF_BYPOSITION | (menu->GetMenuState(position, MF_BYPOSITION) & MF_CHECKED), id,
                             state.m_text, -1, -1);
        menu->EnableMenuItem(position, MF_BYPOSITION | (state.m_enabled ? MF_ENABLED : MF_GRAYED));
    }
}
