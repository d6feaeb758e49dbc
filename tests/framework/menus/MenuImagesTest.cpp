#include "framework/menus/MenuTestSupport.h"
#include "framework/menus/MyMenu.h"
#include "framework/menus/MyMenuItem.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF red = RGB(255, 0, 0), green = RGB(0, 255, 0), blue = RGB(0, 0, 255), yellow = RGB(255, 255, 0),
               magenta = RGB(255, 0, 255), none = CLR_INVALID;

struct ImageCase
{
    UINT command;
    int toolbar;
    int imageCommand;
    int codeSign; // -1 program-wide cache, 1 the menu's, 0 no image
    COLORREF colour;
};

class MenuImages : public ::testing::TestWithParam<ImageCase>
{
};
}

TEST_P(MenuImages, ItemFindsItsCommandsToolbarImage)
{
    const ImageCase& c = GetParam();
    RegisterTestMenuToolbars();
    CMyMenu menu;
    menu.CreatePopupMenu();
    menu.AppendItem(0, c.command, "Item", c.toolbar, c.imageCommand);
    CMyMenuItem* item = menu.GetItem(0);
    FindItemImage(&menu, item);
    EXPECT_TRUE(item->m_imageLookedUp);
    EXPECT_EQ(c.codeSign, (item->m_imageCode > 0) - (item->m_imageCode < 0));
    if (c.colour == none)
    {
        EXPECT_EQ(-1, item->m_imageIndex);
        return;
    }
    CImageList* images = GetMenuImageList(&menu, item->m_imageCode);
    ASSERT_NE(nullptr, images);
    CTestCanvas canvas(MenuImageWidth, MenuImageHeight);
    ::PatBlt(canvas.Dc(), 0, 0, MenuImageWidth, MenuImageHeight, BLACKNESS);
    ImageList_Draw(images->GetSafeHandle(), item->m_imageIndex, canvas.Dc(), 0, 0, ILD_TRANSPARENT);
    EXPECT_EQ(c.colour, canvas.At(8, 7));
    EXPECT_EQ(RGB(0, 0, 0), canvas.At(0, 0)) << "the button face is the mask";
}

INSTANTIATE_TEST_SUITE_P(
    Lookups, MenuImages,
    ::testing::Values(ImageCase{601, -1, -1, -1, red}, ImageCase{602, -1, -1, -1, green}, // a separator takes no image
                      ImageCase{603, -1, -1, -1, blue}, // on both toolbars: the first registered
                      ImageCase{604, -1, -1, -1, magenta}, ImageCase{699, -1, -1, -1, green}, // borrows 602's image
                      ImageCase{698, -1, -1, 0, none},                   // borrowed command has none either
                      ImageCase{605, -1, -1, 0, none},                   // on no toolbar
                      ImageCase{605, -1, 604, -1, magenta},              // image command given
                      ImageCase{620, IDR_MENU_TOOLBAR_C, -1, 1, yellow}, // named toolbar: the menu's cache
                      ImageCase{601, IDR_MENU_TOOLBAR_MISSING, -1, 0, none}));

TEST(MenuImages, DisabledImageIsEmbossedWithoutItsColour)
{
    RegisterTestMenuToolbars();
    CMyMenu menu;
    menu.CreatePopupMenu();
    const CUIntArray* ids = NULL;
    int code = GetToolbarImages(&menu, IDR_MENU_TOOLBAR_A, TRUE, &ids);
    ASSERT_LT(code, 0);
    ASSERT_EQ(3, ids->GetSize());
    CTestCanvas canvas(20, 20);
    ::PatBlt(canvas.Dc(), 0, 0, 20, 20, WHITENESS);
    DrawDisabledMenuImage(CDC::FromHandle(canvas.Dc()), GetMenuImageList(&menu, code), 0, 2, 2);
    RECT image = {2, 2, 2 + MenuImageWidth + 1, 2 + MenuImageHeight + 1};
    EXPECT_EQ(0, canvas.Count(red, image));
    // The dark square shows in shadow, its edge shifted by one in highlight.
    EXPECT_GT(canvas.Count(GetSystemColour(COLOR_BTNSHADOW), image), 100);
    EXPECT_EQ(GetSystemColour(COLOR_BTNHIGHLIGHT), canvas.At(2 + 14, 2 + 8));
    EXPECT_EQ(GetSystemColour(COLOR_BTNFACE), canvas.At(2, 2));
}
