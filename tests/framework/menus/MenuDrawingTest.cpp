#include "framework/menus/MenuTestSupport.h"
#include "framework/menus/MyMenu.h"
#include "framework/menus/MyMenuItem.h"

#include <gtest/gtest.h>

namespace
{
const int itemWidth = 220, itemHeight = 22;
// Where the image box's image sits: 2 pixels in, vertically centred.
const int imageTop = 2 + (itemHeight - 4 - MenuImageHeight) / 2;

struct DrawCase
{
    const char* name;
    UINT command;
    LPCTSTR text;
    UINT state; // ODS_ bits
};

class MenuItemDrawing : public ::testing::TestWithParam<DrawCase>
{
protected:
    void SetUp() override { RegisterTestMenuToolbars(); }
    // Draws the one item of a fresh menu into the canvas.
    void Draw(CTestCanvas& canvas, const DrawCase& c)
    {
        m_menu.CreatePopupMenu();
        m_menu.AppendItem(0, c.command, c.text);
        if (c.state & ODS_CHECKED)
            m_menu.CheckMenuItem(c.command, MF_BYCOMMAND | MF_CHECKED);
        DRAWITEMSTRUCT draw = {ODT_MENU,
                               0,
                               c.command,
                               ODA_DRAWENTIRE,
                               c.state,
                               (HWND)m_menu.m_hMenu,
                               canvas.Dc(),
                               {0, 0, itemWidth, itemHeight},
                               (ULONG_PTR)m_menu.GetItem(0)};
        m_menu.DrawItem(&draw);
    }
    CMyMenu m_menu;
};

const COLORREF red = RGB(255, 0, 0);
}

TEST_P(MenuItemDrawing, FaceFollowsTheItemState)
{
    const DrawCase& c = GetParam();
    CTestCanvas canvas(itemWidth, itemHeight);
    Draw(canvas, c);
    const BOOL selected = (c.state & ODS_SELECTED) != 0, grayed = (c.state & ODS_GRAYED) != 0;
    const BOOL hasImage = c.command == 601;
    const RECT imageArea = {2, imageTop, 2 + MenuImageWidth, imageTop + MenuImageHeight};
    const RECT textArea = {9 + MenuImageWidth, 0, itemWidth, itemHeight};
    const COLORREF highlight = GetSystemColour(COLOR_HIGHLIGHT);

    // The image shows in colour unless the item is disabled.
    EXPECT_EQ(hasImage && !grayed, canvas.Count(red, imageArea) > 100);
    // The highlight leaves the image column alone when there is one.
    EXPECT_EQ(selected, canvas.At(itemWidth - 2, 1) == highlight);
    EXPECT_EQ(selected && !hasImage && !(c.state & ODS_CHECKED), canvas.At(1, 1) == highlight);
    // Enabled text in the menu text colour; disabled text embossed, or in the background on the highlight.
    const COLORREF textColour = grayed ? (selected ? highlight : GetSystemColour(COLOR_GRAYTEXT))
                                       : GetSystemColour(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    if (!(grayed && selected))
    {
        EXPECT_GT(canvas.Count(textColour, textArea), 10);
    }
    if (grayed && !selected)
    {
        EXPECT_GT(canvas.Count(GetSystemColour(COLOR_BTNHIGHLIGHT), textArea), 10);
    }
    if ((c.state & ODS_CHECKED) && !hasImage)
    {
        // The check mark's middle column: 3 pixels from row 4 + 3 of the box.
        const int x = 1 + 4 + 3, y = imageTop + 4 + 3;
        EXPECT_EQ(GetSystemColour(COLOR_MENUTEXT), canvas.At(x, y));
        EXPECT_EQ(GetSystemColour(COLOR_MENUTEXT), canvas.At(x, y + 2));
    }
}

INSTANTIATE_TEST_SUITE_P(States, MenuItemDrawing,
                         ::testing::Values(DrawCase{"image", 601, "&Save", 0},
                                           DrawCase{"imageSelected", 601, "&Save", ODS_SELECTED},
                                           DrawCase{"imageGrayed", 601, "&Save", ODS_GRAYED},
                                           DrawCase{"imageGrayedSelected", 601, "&Save", ODS_GRAYED | ODS_SELECTED},
                                           DrawCase{"plainChecked", 605, "&Tick", ODS_CHECKED},
                                           DrawCase{"plainSelected", 605, "&Tick", ODS_SELECTED},
                                           DrawCase{"plainGrayed", 605, "&Tick", ODS_GRAYED}),
                         [](const ::testing::TestParamInfo<DrawCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(MenuItemDrawingText, AcceleratorIsRightAlignedAnImageWidthFromTheEdge)
{
    RegisterTestMenuToolbars();
    CMyMenu menu;
    menu.CreatePopupMenu();
    menu.AppendItem(0, 605, "&Save\tCtrl+S");
    CTestCanvas canvas(itemWidth, itemHeight);
    DRAWITEMSTRUCT draw = {ODT_MENU,
                           0,
                           605,
                           ODA_DRAWENTIRE,
                           0,
                           (HWND)menu.m_hMenu,
                           canvas.Dc(),
                           {0, 0, itemWidth, itemHeight},
                           (ULONG_PTR)menu.GetItem(0)};
    menu.DrawItem(&draw);
    const COLORREF text = GetSystemColour(COLOR_MENUTEXT);
    const int edge = itemWidth - MenuImageWidth;
    EXPECT_EQ(0, canvas.Count(text, RECT{edge, 0, itemWidth, itemHeight}));
    EXPECT_GT(canvas.Count(text, RECT{edge - 12, 0, edge, itemHeight}), 5);
    EXPECT_EQ(0, canvas.Count(text, RECT{0, 0, 9 + MenuImageWidth, itemHeight}));

    // A separator is one etched line through the middle.
    CMyMenu separators;
    separators.CreatePopupMenu();
    separators.AppendItem(0, 0, NULL);
    CTestCanvas line(40, 8);
    ::PatBlt(line.Dc(), 0, 0, 40, 8, WHITENESS);
    DRAWITEMSTRUCT drawLine = {ODT_MENU,
                               0,
                               0,
                               ODA_DRAWENTIRE,
                               0,
                               (HWND)separators.m_hMenu,
                               line.Dc(),
                               {0, 0, 40, 8},
                               (ULONG_PTR)separators.GetItem(0)};
    separators.DrawItem(&drawLine);
    EXPECT_EQ(GetSystemColour(COLOR_BTNSHADOW), line.At(20, 4));
    EXPECT_EQ(RGB(255, 255, 255), line.At(20, 1));
}
