// Every kind of control of the framework together in one window, for the
// screenshot and a check that none covers another.
#include "framework/app/SharedImageLists.h"
#include "framework/controls/FontNameCombo.h"
#include "framework/controls/MyButton.h"
#include "framework/controls/MyComboBox.h"
#include "framework/controls/MyEdit.h"
#include "framework/controls/MyListBox.h"
#include "framework/controls/MyStatic.h"
#include "framework/controls/MyToolTipCtrl.h"
#include "framework/controls/MyTreeCtrl.h"
#include "framework/resources/CommandImagesIds.h"
#include "support/WindowScreenshot.h"
#include "foundation/windows/SystemColours.h"

#include <gtest/gtest.h>

TEST(ControlsGallery, EveryControlKindShowsWithoutOverlap)
{
    LoadSystemColours();
    ASSERT_TRUE(GetSharedImageLists().Build(IDB_COMMAND_IMAGES));
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_BTNFACE + 1)), "Controls",
                                WS_POPUP | WS_VISIBLE | WS_CAPTION, 30, 30, 470, 330, NULL, NULL));
    const HFONT font = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    const DWORD child = WS_CHILD | WS_VISIBLE;

    CMyStatic label;
    label.Create("Breed:", child, CRect(10, 12, 60, 28), &window, 10);
    CMyEdit edit;
    edit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "Black and tan", child | ES_AUTOHSCROLL, CRect(65, 8, 220, 30), &window,
                  11);
    edit.SetBackgroundColour(RGB(255, 255, 220));
    CMyStatic disabledLabel;
    disabledLabel.Create("Coat:", child | WS_DISABLED, CRect(10, 42, 60, 58), &window, 12);
    CMyEdit disabledEdit;
    disabledEdit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "Merle", child | WS_DISABLED, CRect(65, 38, 220, 60), &window, 13);

    CMyComboBox imageCombo;
    imageCombo.SetOwnRecords(TRUE);
    imageCombo.Create(child | WS_VSCROLL | CBS_DROPDOWNLIST, CRect(10, 70, 220, 250), &window, 14);
    const struct
    {
        const char* text;
        int image;
    } commands[] = {{"Open", IMAGE_OPEN}, {"Save", IMAGE_SAVE}, {"Print", IMAGE_PRINT}, {"Paw", IMAGE_PAW}};
    for (const auto& command : commands)
        imageCombo.AddString(command.text, command.image);
    imageCombo.SetCurSel(0);
    CMyComboBox plainCombo;
    plainCombo.Create(child | WS_VSCROLL | CBS_DROPDOWN, CRect(10, 102, 220, 250), &window, 15);
    plainCombo.AddString("Plain combo");
    plainCombo.SetCurSel(0);
    CFontNameCombo fonts;
    fonts.Create(child | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | CBS_SORT,
                 CRect(10, 134, 220, 300), &window, 16);
    fonts.SelectFaceName("DejaVu Serif");

    CMyListBox list, disabledList;
    list.SetOwnRecords(TRUE);
    disabledList.SetOwnRecords(TRUE);
    list.Create(child | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, CRect(10, 166, 140, 290), &window, 17);
    disabledList.Create(child | WS_BORDER | WS_DISABLED, CRect(150, 166, 220, 290), &window, 18);
    for (const auto& command : commands)
    {
        list.AddString(command.text, command.image);
        disabledList.AddString(command.text, -1);
    }
    list.SetCurSel(1);

    CMyTreeCtrl tree;
    tree.m_useSharedImages = 1;
    tree.Create(child | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, CRect(230, 8, 450, 160), &window,
                19);
    CTreeItemImages folderImages = {{0, 0}, IMAGE_OPEN, IMAGE_SAVE};
    TVINSERTSTRUCTA insert = {};
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = (LPSTR) "Litters";
    insert.item.lParam = (LPARAM)&folderImages;
    insert.item.iImage = insert.item.iSelectedImage = IMAGE_SAVE;
    HTREEITEM folder = (HTREEITEM)tree.SendMessage(TVM_INSERTITEMA, 0, (LPARAM)&insert);
    insert.hParent = folder;
    insert.item.lParam = 0;
    insert.item.pszText = (LPSTR) "Spring litter";
    insert.item.iImage = insert.item.iSelectedImage = IMAGE_PAW;
    tree.SendMessage(TVM_INSERTITEMA, 0, (LPARAM)&insert);
    tree.SendMessage(TVM_EXPAND, TVE_EXPAND, (LPARAM)folder);

    CMyButton okButton, deleteButton, dropButton, disabledButton;
    okButton.Create("OK", child | BS_OWNERDRAW, CRect(230, 170, 330, 196), &window, 20);
    okButton.SetImage(IDB_COMMAND_IMAGES, 0xFF00FF, 16, 15, IMAGE_OK, IMAGE_OK);
    okButton.SetDefault(1);
    deleteButton.Create("Delete", child | BS_OWNERDRAW, CRect(340, 170, 450, 196), &window, 21);
    deleteButton.SetImage(IDB_COMMAND_IMAGES, 0xFF00FF, 16, 15, IMAGE_DELETE, IMAGE_DELETE);
    dropButton.Create("", child | BS_OWNERDRAW, CRect(230, 206, 256, 232), &window, 22);
    dropButton.m_glyph = GLYPH_DOWN_ARROW;
    disabledButton.Create("Disabled", child | BS_OWNERDRAW | WS_DISABLED, CRect(266, 206, 450, 232), &window, 23);
    disabledButton.SetImage(IDB_COMMAND_IMAGES, 0xFF00FF, 16, 15, IMAGE_PRINT, IMAGE_PRINT);

    CWnd* controls[] = {&label,        &edit,  &disabledLabel, &disabledEdit, &imageCombo,   &plainCombo, &fonts,
                        &list,         &disabledList, &tree,   &okButton,     &deleteButton, &dropButton,
                        &disabledButton};
    for (CWnd* control : controls)
        if (control->m_hWnd != NULL && control != &imageCombo && control != &plainCombo && control != &fonts)
            control->SendMessage(WM_SETFONT, (WPARAM)font, TRUE);
    window.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
    EXPECT_TRUE(SaveWindowScreenshot(window.m_hWnd, "framework_controls"));

    const int count = (int)(sizeof(controls) / sizeof(controls[0]));
    for (int i = 0; i < count; i++)
    {
        ASSERT_TRUE(::IsWindowVisible(controls[i]->m_hWnd)) << i;
        CRect a, b, overlap;
        controls[i]->GetWindowRect(&a);
        for (int j = i + 1; j < count; j++)
        {
            controls[j]->GetWindowRect(&b);
            EXPECT_FALSE(overlap.IntersectRect(&a, &b)) << i << " and " << j;
        }
    }

    // The font names, each drawn in its own typeface.
    fonts.ShowDropDown(TRUE);
    COMBOBOXINFO info = {sizeof(info)};
    ASSERT_TRUE(::GetComboBoxInfo(fonts.m_hWnd, &info));
    ::UpdateWindow(info.hwndList);
    EXPECT_TRUE(SaveWindowScreenshot(info.hwndList, "framework_font_names"));
    fonts.ShowDropDown(FALSE);
    window.DestroyWindow();
    GetSharedImageLists().Release();
}
