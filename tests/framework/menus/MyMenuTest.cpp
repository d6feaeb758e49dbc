#include "foundation/terminology/TermsMap.h"
#include "foundation/windows/SelectedObject.h"
#include "framework/menus/MenuCommandTexts.h"
#include "framework/menus/MenuFont.h"
#include "framework/menus/MenuImages.h"
#include "framework/menus/MenuTestIds.h"
#include "framework/menus/MyMenu.h"
#include "framework/menus/MyMenuItem.h"

#include <gtest/gtest.h>

namespace
{
CString Texts(const CMyMenu& menu)
{
    CString all;
    for (int i = 0; i < menu.GetItemCount(); ++i)
    {
        const CMyMenuItem* item = menu.GetItem(i);
        all += (item->m_flags & MF_SEPARATOR) ? CString("-") : item->m_text;
        all += "|";
    }
    return all;
}

SIZE MeasuredSize(LPCTSTR text, UINT flags = 0)
{
    CMyMenu menu;
    menu.CreatePopupMenu();
    menu.AppendItem(flags, flags & MF_SEPARATOR ? 0 : 700, text);
    MEASUREITEMSTRUCT measure = {ODT_MENU, 0, 700, 0, 0, (ULONG_PTR)menu.GetItem(0)};
    menu.MeasureItem(&measure);
    return SIZE{(LONG)measure.itemWidth, (LONG)measure.itemHeight};
}

LONG TextWidth(LPCTSTR text)
{
    CFont font;
    CreateMenuFont(font);
    HDC dc = ::GetDC(NULL);
    SIZE extent = {0, 0};
    {
        CSelectedObject selected(dc, font.GetSafeHandle());
        ::GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
    }
    ::ReleaseDC(NULL, dc);
    return extent.cx;
}
}

TEST(MyMenu, InsertingPlacesRecordsAndMenuItemsAlike)
{
    CMyMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    SetTerm("TestMenuTerm", "Kennel", FALSE);
    EXPECT_TRUE(menu.AppendItem(0, 701, "~TestMenuTerm~ &one"));
    EXPECT_TRUE(menu.AppendItem(0, 703, "Three"));
    EXPECT_TRUE(menu.InsertItem(703, MF_BYCOMMAND, 702, "Two"));             // before the item with id 703
    EXPECT_TRUE(menu.InsertItem(0, MF_BYPOSITION | MF_POPUP, 0, "ignored")); // id 0: a separator
    EXPECT_FALSE(menu.InsertItem(799, MF_BYCOMMAND, 704, "Nowhere"));
    EXPECT_STREQ("-|Kennel &one|Two|Three|", Texts(menu));
    ASSERT_EQ(4u, menu.GetMenuItemCount());
    for (int i = 0; i < 4; ++i)
    {
        MENUITEMINFOA info = {sizeof(info), MIIM_DATA | MIIM_FTYPE};
        ASSERT_TRUE(menu.GetMenuItemInfo(i, &info, TRUE));
        EXPECT_EQ((ULONG_PTR)menu.GetItem(i), info.dwItemData) << i;
        EXPECT_NE(0u, info.fType & MFT_OWNERDRAW) << i;
    }
    EXPECT_NE(0u, menu.GetMenuState(0, MF_BYPOSITION) & MF_SEPARATOR);
    CString text;
    EXPECT_EQ(3, menu.GetItemText(702, text, MF_BYCOMMAND));
    EXPECT_STREQ("Two", text);
    EXPECT_EQ(0, menu.GetItemText(9, text, MF_BYPOSITION));
}

TEST(MyMenu, SubMenusBelongToTheirParentUntilTheirItemIsReplaced)
{
    CMyMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    CMyMenu* subMenu = menu.CreateSubMenu();
    subMenu->AppendItem(0, 711, "Inner");
    ASSERT_TRUE(menu.AppendItem(MF_POPUP, (UINT_PTR)subMenu->m_hMenu, "&More"));
    EXPECT_EQ(subMenu, menu.GetSubMenu(0));
    EXPECT_EQ(&menu, subMenu->GetParentMenu());
    EXPECT_EQ(&menu, subMenu->GetRootMenu());

    ASSERT_TRUE(menu.ModifyItem(0, MF_BYPOSITION, 712, "Plain"));
    EXPECT_EQ(NULL, subMenu->GetParentMenu());
    EXPECT_EQ(NULL, menu.GetSubMenu(0));
    EXPECT_EQ(712u, menu.GetMenuItemID(0));
    // The replaced sub-menu is still whole: its object was not deleted and its handle lives.
    EXPECT_TRUE(::IsMenu(subMenu->m_hMenu));
    EXPECT_EQ(1u, subMenu->GetMenuItemCount());
    delete subMenu;
}

TEST(MyMenu, LoadedResourceNestsItsLevelsAndGivesSubmenuEntriesTheirImage)
{
    SetSubmenuCommand(606, 602);
    SetSubmenuCommand(607, 603); // the first mapped command of a submenu decides
    CMyMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    EXPECT_STREQ("&File|&Edit|", Texts(menu));
    CMyMenu* file = menu.GetSubMenu(0);
    ASSERT_NE(nullptr, file);
    EXPECT_STREQ("&Save\tCtrl+S|-|&Export|", Texts(*file));
    CMyMenu* exportMenu = file->GetSubMenu(2);
    ASSERT_NE(nullptr, exportMenu);
    EXPECT_STREQ("As &text|As &picture|As &list|", Texts(*exportMenu));
    EXPECT_EQ(602, file->GetItem(2)->m_imageCommand);
    // The pop-up that ends File also ended File itself: Edit is the bar's next item.
    CMyMenu* edit = menu.GetSubMenu(1);
    ASSERT_NE(nullptr, edit);
    EXPECT_STREQ("R&&D notes||Clo&se|NoSuchMenuTerm options|", Texts(*edit));
    EXPECT_EQ(&menu, exportMenu->GetRootMenu());

    CMyMenu missing;
    EXPECT_FALSE(missing.LoadMenu(IDR_MENU_TOOLBAR_MISSING));
}

TEST(MyMenu, CommandTextsComeFromMenuResources)
{
    CollectMenuCommandTexts(IDR_TEST_MENU);
    const struct
    {
        UINT id;
        BOOL found;
        LPCTSTR text;
    } cases[] = {{601, TRUE, "&Save\tCtrl+S"}, {606, TRUE, "As &picture"}, {609, FALSE, ""}, {0, FALSE, ""}};
    for (const auto& c : cases)
    {
        CString text;
        EXPECT_EQ(c.found, GetMenuCommandText(c.id, text)) << c.id;
        if (c.found)
        {
            EXPECT_STREQ(c.text, text) << c.id;
        }
    }
    // A command item takes the recorded text unless given one, and its image from its source command.
    CMyMenu menu;
    menu.CreatePopupMenu();
    menu.AppendCommand(0, 720, 606);
    menu.AppendCommand(0, 721, 0, "Own text");
    menu.AppendCommand(0, 609);
    EXPECT_STREQ("As &picture|Own text||", Texts(menu));
    EXPECT_EQ(606, menu.GetItem(0)->m_imageCommand);
    EXPECT_EQ(721, menu.GetItem(1)->m_imageCommand);
}

TEST(MyMenu, MnemonicsSkipLiteralAmpersands)
{
    CMyMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    CMyMenu* edit = menu.GetSubMenu(1);
    const struct
    {
        CMyMenu* menu;
        UINT character;
        LRESULT answer;
    } cases[] = {
        {edit, 's', MAKELRESULT(2, MNC_EXECUTE)},
        {edit, 'S', MAKELRESULT(2, MNC_EXECUTE)},
        {edit, 'd', 0},
        {edit, '&', 0},
        {menu.GetSubMenu(0), 's', MAKELRESULT(0, MNC_EXECUTE)},
        {menu.GetSubMenu(0), 'e', MAKELRESULT(2, MNC_EXECUTE)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.answer, FindMenuMnemonic(c.character, MF_POPUP, c.menu)) << (char)c.character;
    CMenu plain;
    plain.CreatePopupMenu();
    plain.AppendMenu(MF_STRING, 1, "&Save");
    EXPECT_EQ(0, FindMenuMnemonic('s', MF_POPUP, &plain));
    EXPECT_STREQ("R&D notes", RemoveMnemonicMarks("R&&D &notes"));
}

TEST(MyMenu, ItemsMeasureTheirShownTextBesideTheImageColumn)
{
    const int height = std::max(::GetSystemMetrics(SM_CYMENU), MenuImageHeight + 4);
    const int columns = 2 * MenuImageWidth + 1;
    EXPECT_EQ(SIZE({TextWidth("Save    Ctrl+S") + columns, height}).cx, MeasuredSize("&Save\tCtrl+S").cx);
    EXPECT_EQ(height, MeasuredSize("&Save\tCtrl+S").cy);
    EXPECT_EQ(TextWidth("R&D") + columns, MeasuredSize("R&&D").cx);
    SIZE separator = MeasuredSize("", MF_SEPARATOR);
    EXPECT_EQ(0, separator.cx);
    EXPECT_EQ(::GetSystemMetrics(SM_CYMENU) / 2, separator.cy);
}
