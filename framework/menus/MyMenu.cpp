#include "framework/menus/MyMenu.h"

#include "framework/menus/MenuCommandTexts.h"
#include "framework/menus/MyMenuItem.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CMyMenu, CMenu)

CMyMenu::CMyMenu()
{
}

CMyMenu::~CMyMenu()
{
    Clear();
}

CMyMenu* CMyMenu::CreateSubMenu()
{
    CMyMenu* menu = new CMyMenu;
    menu->CreateMenu();
    return menu;
}

void CMyMenu::Clear()
{
    // The items leave the menu first, so that destroying it leaves the
    // sub-menus to their own objects.
    if (m_hMenu != NULL)
        for (int i = ::GetMenuItemCount(m_hMenu) - 1; i >= 0; --i)
            ::RemoveMenu(m_hMenu, i, MF_BYPOSITION);
    m_subMenus.clear();
    m_items.clear();
    m_ownCheckImages.reset();
    m_checkImages = NULL;
    DestroyMenu();
}

CMyMenuItem* CMyMenu::GetItem(int position) const
{
    return position >= 0 && position < GetItemCount() ? m_items[position].get() : NULL;
}

CMyMenu* CMyMenu::GetRootMenu()
{
    CMyMenu* menu = this;
    while (menu->m_parent != NULL)
        menu = menu->m_parent;
    return menu;
}

void CMyMenu::SetCheckImages(CImageList* images, BOOL owned, BOOL hasSelected, BOOL hasNormal)
{
    if (images != m_ownCheckImages.get())
        m_ownCheckImages.reset(owned ? images : NULL);
    else if (!owned)
        (void)m_ownCheckImages.release(); // the caller has them back
    m_checkImages = images;
    m_hasSelectedCheckImage = hasSelected;
    m_hasNormalCheckImage = hasNormal;
}

int CMyMenu::FindItemIndex(UINT id) const
{
    for (int i = 0; i < GetItemCount(); ++i)
        if (m_items[i]->m_id == id)
            return i;
    return -1;
}

int CMyMenu::ResolvePosition(UINT position, UINT flags) const
{
    if ((flags & MF_BYPOSITION) == 0)
        return FindItemIndex(position);
    return (int)position >= 0 && (int)position < GetItemCount() ? (int)position : -1;
}

void CMyMenu::AdoptSubMenu(UINT_PTR handle)
{
    CMyMenu* subMenu = GetMyMenu((HMENU)handle);
    if (subMenu == NULL || std::any_of(m_subMenus.begin(), m_subMenus.end(),
                                       [subMenu](const std::unique_ptr<CMyMenu>& held) { return held.get() == subMenu; }))
        return;
    m_subMenus.emplace_back(subMenu);
    subMenu->m_parent = this;
}

void CMyMenu::ReleaseSubMenu(UINT_PTR handle)
{
    for (auto it = m_subMenus.begin(); it != m_subMenus.end(); ++it)
        if ((UINT_PTR)(*it)->m_hMenu == handle)
        {
            (*it)->m_parent = NULL;
            (void)it->release(); // whoever put the sub-menu in its place has it back
            m_subMenus.erase(it);
            return;
        }
}

BOOL CMyMenu::InsertItem(UINT position, UINT flags, UINT_PTR id, LPCTSTR text, int toolbarId, int imageCommand)
{
    int index = ResolvePosition(position, flags);
    if (index < 0 && (flags & MF_BYPOSITION) != 0)
        index = GetItemCount(); // a position past the end appends
    if (index < 0)
        return FALSE;
    flags &= ~MF_BYPOSITION;
    if (id == 0)
        flags = (flags & ~MF_POPUP) | MF_SEPARATOR;
    auto item = std::make_unique<CMyMenuItem>();
    item->Set(flags, id, text, toolbarId, imageCommand);
    item->m_menu = this;
    if (!::InsertMenuA(m_hMenu, index == GetItemCount() ? (UINT)-1 : (UINT)index, MF_BYPOSITION | item->m_flags, id,
                       (LPCSTR)item.get()))
        return FALSE;
    m_items.insert(m_items.begin() + index, std::move(item));
    if ((flags & MF_POPUP) != 0)
        AdoptSubMenu(id);
    return TRUE;
}

BOOL CMyMenu::AppendItem(UINT flags, UINT_PTR id, LPCTSTR text, int toolbarId, int imageCommand)
{
    return InsertItem((UINT)-1, flags | MF_BYPOSITION, id, text, toolbarId, imageCommand);
}

BOOL CMyMenu::ModifyItem(UINT position, UINT flags, UINT_PTR id, LPCTSTR text, int toolbarId, int imageCommand)
{
    int index = ResolvePosition(position, flags);
    if (index < 0)
        return FALSE;
    CMyMenuItem* item = m_items[index].get();
    BOOL wasPopup = (item->m_flags & MF_POPUP) != 0;
    if (wasPopup)
        ReleaseSubMenu(item->m_id);
    flags &= ~MF_BYPOSITION;
    if (id == 0)
        flags = (flags & ~MF_POPUP) | MF_SEPARATOR;
    item->Set(flags, id, text, toolbarId, imageCommand);
    if ((flags & MF_POPUP) != 0)
        AdoptSubMenu(id);
    if (!wasPopup)
        return ::ModifyMenuA(m_hMenu, index, MF_BYPOSITION | item->m_flags, id, (LPCSTR)item);
    // Replacing a sub-menu's item in place would destroy the sub-menu, which
    // its own object still holds: the item is taken out and put back instead.
    ::RemoveMenu(m_hMenu, index, MF_BYPOSITION);
    return ::InsertMenuA(m_hMenu, index, MF_BYPOSITION | item->m_flags, id, (LPCSTR)item);
}

BOOL CMyMenu::AppendCommand(UINT flags, UINT id, UINT sourceCommand, LPCTSTR text, int toolbarId, int imageCommand)
{
    return CMyMenu::InsertCommand((UINT)-1, flags | MF_BYPOSITION, id, sourceCommand, text, toolbarId, imageCommand);
}

BOOL CMyMenu::InsertCommand(UINT position, UINT flags, UINT id, UINT sourceCommand, LPCTSTR text, int toolbarId,
                            int imageCommand)
{
    if (sourceCommand == 0)
        sourceCommand = id;
    CString itemText;
    if (text != NULL && *text != '\0')
        itemText = text;
    else
        GetMenuCommandText(sourceCommand, itemText);
    if (imageCommand == -1)
        imageCommand = (int)sourceCommand;
    return InsertItem(position, flags, id, itemText, toolbarId, imageCommand);
}

int CMyMenu::GetItemText(UINT position, CString& text, UINT flags) const
{
    int index = ResolvePosition(position, flags);
    if (index < 0)
    {
        text.Empty();
        return 0;
    }
    text = m_items[index]->m_text;
    return text.GetLength();
}

CMyMenu* CMyMenu::GetSubMenu(int position) const
{
    return GetMyMenu(::GetSubMenu(m_hMenu, position));
}

CMyMenu* GetMyMenu(HMENU menu)
{
    CMenu* object = CMenu::FromHandlePermanent(menu);
    return object != NULL && object->IsKindOf(RUNTIME_CLASS(CMyMenu)) ? (CMyMenu*)object : NULL;
}

BOOL IsMyMenuHandle(HMENU menu)
{
    return GetMyMenu(menu) != NULL;
}

int FindMnemonicPosition(LPCTSTR text)
{
    for (int i = 0; text[i] != '\0'; ++i)
        if (text[i] == '&')
        {
            if (text[i + 1] != '&')
                return text[i + 1] != '\0' ? i + 1 : -1;
            ++i; // "&&" is a literal ampersand
        }
    return -1;
}

CString RemoveMnemonicMarks(LPCTSTR text)
{
    CString shown;
    for (int i = 0; text[i] != '\0'; ++i)
    {
        if (text[i] == '&')
        {
            if (text[i + 1] != '&')
                continue;
            ++i;
        }
        shown += text[i];
    }
    return shown;
}

LRESULT FindMenuMnemonic(UINT character, UINT, CMenu* menu)
{
    CMyMenu* myMenu = menu != NULL ? GetMyMenu(menu->m_hMenu) : NULL;
    if (myMenu == NULL)
        return 0;
    CHAR wanted[2] = {(CHAR)character, 0};
    ::CharLowerBuffA(wanted, 1);
    for (int i = 0; i < myMenu->GetItemCount(); ++i)
    {
        CString text = myMenu->GetItem(i)->m_text;
        int at = FindMnemonicPosition(text);
        if (at < 0)
            continue;
        CHAR found[2] = {text[at], 0};
        ::CharLowerBuffA(found, 1);
        if (found[0] == wanted[0])
            return MAKELRESULT(i, MNC_EXECUTE);
    }
    return 0;
}

LRESULT AnswerMenuChar(CWnd* window, UINT character, UINT flags, CMenu* menu)
{
    if (menu != NULL && IsMyMenuHandle(menu->m_hMenu))
        return FindMenuMnemonic(character, flags, menu);
    return window->Default();
}
