#include "framework/colours/ColourPalettePopup.h"
#include "framework/colours/CustomColours.h"
#include "framework/colours/NamedColours.h"

#include "foundation/settings/StringListCodec.h"
#include "foundation/values/ValueText.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/WindowScreenshot.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

namespace
{
    enum { Default = CColourPalettePopup::DefaultItem, Other = CColourPalettePopup::OtherItem };

    // Which entries the pop-up has.
    struct Entries
    {
        bool withDefault;
        bool withOther;
    };

    class ColourPalettePopupTest : public ::testing::TestWithParam<Entries>
    {
    protected:
        void SetUp() override { m_custom.Reset(); }
        CColourPalettePopup* Open(COLORREF colour, Entries entries = GetParam())
        {
            RECT rect;
            ::GetWindowRect(m_owner.Handle(), &rect);
            return OpenColourPalettePopup(CPoint(rect.left, rect.bottom), CPoint(rect.left, rect.top), m_owner.Wnd(),
                                          colour, entries.withOther ? &m_custom : NULL,
                                          entries.withDefault ? "Automatic" : NULL);
        }
        // The colour the owner was sent, and which message.
        UINT Notified(COLORREF* colour)
        {
            MSG msg;
            UINT message = 0;
            while (::PeekMessageA(&msg, m_owner.Handle(), WM_USER + 14, WM_USER + 15, PM_REMOVE))
            {
                EXPECT_EQ(message, 0u) << "a second notification";
                message = msg.message;
                *colour = (COLORREF)msg.lParam;
            }
            return message;
        }

        CFrameworkTestApp m_app;
        CTestWindow m_owner;
        CCustomColours m_custom;
    };
}

TEST(CustomColours, TextRoundTripAndRefusals)
{
    CCustomColours colours;
    for (COLORREF c : colours.m_colours)
        EXPECT_EQ(c, 0xFFFFFFu) << "white until loaded";
    colours.m_colours[0] = 0x123456;
    colours.m_colours[15] = DEFAULT_COLOUR;
    CString text = colours.ToText();
    CCustomColours read;
    EXPECT_EQ(read.FromText(text), 1);
    EXPECT_EQ(memcmp(read.m_colours, colours.m_colours, sizeof(read.m_colours)), 0);

    // A list of 16 colours, a first item "A", a bad fourth colour.
    CStringArray items;
    items.Add("a");
    for (int i = 0; i < 16; i++)
        items.Add(i == 3 ? "#12345" : "#010203");
    CString badFourth = EncodeStringList(items);
    items[0] = "A";
    items[4] = "#010203";
    CString upperA = EncodeStringList(items);
    items.RemoveAt(0);
    CString sixteen = EncodeStringList(items);
    for (const CString& bad : {sixteen, upperA, CString("")})
    {
        read.m_colours[0] = 0;
        EXPECT_EQ(read.FromText(bad), 0) << (LPCTSTR)bad;
        EXPECT_EQ(read.m_colours[0], 0xFFFFFFu) << (LPCTSTR)bad;
    }
    EXPECT_EQ(read.FromText(badFourth), 0);
    EXPECT_EQ(read.m_colours[2], 0x030201u) << "colours before the bad one are kept";
    EXPECT_EQ(read.m_colours[3], 0xFFFFFFu);
}

TEST_P(ColourPalettePopupTest, CellsAndEntriesAreWhereTheyAreHit)
{
    CColourPalettePopup* popup = Open(0x800080);
    ASSERT_NE(popup, nullptr);
    CRect client;
    popup->GetClientRect(&client);
    EXPECT_EQ(client.Size(), popup->m_clientSize);

    // Four full rows of eleven; each cell's centre hits that cell.
    CRect first = popup->GetItemRect(0), last = popup->GetItemRect(43);
    EXPECT_EQ(last.left, popup->GetItemRect(10).left);
    EXPECT_EQ(last.top - first.top, 3 * popup->m_cellHeight);
    for (int i = 0; i < 44; i++)
    {
        CRect cell = popup->GetItemRect(i);
        EXPECT_TRUE(client.PtInRect(cell.BottomRight() - CSize(1, 1))) << i;
        EXPECT_EQ(popup->HitTest(cell.CenterPoint()), i);
        EXPECT_EQ(popup->HitTest(cell.TopLeft()), i) << "the cell's own corner";
    }
    EXPECT_EQ(popup->HitTest(CPoint(0, 0)), -1) << "the edge round the items";
    if (GetParam().withDefault)
    {
        CRect entry = popup->GetItemRect(Default);
        EXPECT_LT(entry.bottom, first.top);
        EXPECT_EQ(popup->HitTest(entry.CenterPoint()), Default);
    }
    if (GetParam().withOther)
    {
        CRect other = popup->GetItemRect(Other);
        EXPECT_GT(other.top, last.bottom);
        EXPECT_EQ(popup->HitTest(other.CenterPoint()), Other);
    }
    else
    {
        EXPECT_EQ(popup->HitTest(CPoint(client.right - 1, client.bottom - 1)), -1);
    }

    // The initial item: the first entry of the colour (not "Violet").
    EXPECT_EQ(popup->m_initialItem, 1);
    struct
    {
        COLORREF colour;
        int withDefault, withoutDefault;
    } initial[] = {{DEFAULT_COLOUR, Default, GetParam().withOther ? Other : -1},
                   {0x123456, GetParam().withOther ? Other : -1, GetParam().withOther ? Other : -1},
                   {0xFFFFFF, 43, 43}};
    for (const auto& c : initial)
        EXPECT_EQ(popup->GetInitialItem(c.colour), GetParam().withDefault ? c.withDefault : c.withoutDefault)
            << std::hex << c.colour;

    std::string name = std::string("colour_palette") + (GetParam().withDefault ? "_default" : "") +
                       (GetParam().withOther ? "_other" : "");
    popup->Highlight(24);
    SaveWindowScreenshot(popup->m_hWnd, name);
    popup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST_P(ColourPalettePopupTest, ArrowKeysWrapThroughCellsAndEntries)
{
    CColourPalettePopup* popup = Open(0x000000);
    ASSERT_NE(popup, nullptr);
    bool d = GetParam().withDefault, o = GetParam().withOther;
    // Where the keys lead off the grid: default first going back, "Other"
    // first going forward.
    int back = d ? Default : o ? Other : 43;
    int forward = o ? Other : d ? Default : 0;
    const struct
    {
        int from;
        UINT key;
        int to;
    } cases[] = {
        {5, VK_LEFT, 4},        {11, VK_LEFT, 10},      {0, VK_LEFT, back},     {-1, VK_LEFT, back},
        {16, VK_UP, 5},         {5, VK_UP, back},       {-1, VK_UP, back},      {9, VK_RIGHT, 10},
        {10, VK_RIGHT, 11},     {43, VK_RIGHT, forward}, {-1, VK_RIGHT, forward}, {5, VK_DOWN, 16},
        {40, VK_DOWN, forward}, {-1, VK_DOWN, forward},
    };
    for (const auto& c : cases)
        EXPECT_EQ(popup->NextItem(c.from, c.key), c.to) << c.from << " key " << c.key;
    if (d)
    {
        EXPECT_EQ(popup->NextItem(Default, VK_LEFT), o ? Other : 43);
        EXPECT_EQ(popup->NextItem(Default, VK_RIGHT), 0);
        EXPECT_EQ(popup->NextItem(Default, VK_DOWN), 0);
    }
    if (o)
    {
        EXPECT_EQ(popup->NextItem(Other, VK_UP), 43);
        EXPECT_EQ(popup->NextItem(Other, VK_DOWN), d ? Default : 0);
    }

    // Keys reach the pop-up: Down twice from nothing, then Enter posts the
    // colour of the item reached.
    popup->SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    popup->SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    int reached = d && o ? Default : !d && !o ? 11 : 0;
    EXPECT_EQ(popup->m_highlighted, reached);
    popup->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    COLORREF colour = 1;
    EXPECT_EQ(Notified(&colour), (UINT)WM_USER + 14);
    EXPECT_EQ(colour, reached == Default ? DEFAULT_COLOUR : NamedColourTable[reached].colour);
}

TEST_P(ColourPalettePopupTest, TheMouseHighlightsAndReleasingAccepts)
{
    CColourPalettePopup* popup = Open(0xFFFFFF);
    ASSERT_NE(popup, nullptr);
    HWND window = popup->m_hWnd;
    CPoint cell = popup->GetItemRect(28).CenterPoint();
    popup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(cell.x, cell.y));
    EXPECT_EQ(popup->m_highlighted, 28);
    EXPECT_EQ(popup->m_currentColour, 0x0000FFu);
    popup->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2000)); // outside every item: stays open
    ASSERT_TRUE(::IsWindow(window));
    popup->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(cell.x, cell.y));
    EXPECT_FALSE(::IsWindow(window));
    COLORREF colour = 0;
    EXPECT_EQ(Notified(&colour), (UINT)WM_USER + 14);
    EXPECT_EQ(colour, 0x0000FFu);
}

INSTANTIATE_TEST_SUITE_P(Entries, ColourPalettePopupTest,
                         ::testing::Values(Entries{true, true}, Entries{false, false}, Entries{true, false},
                                           Entries{false, true}));

TEST(ColourPalettePopup, AnOwnerThatIsGoneOpensNothing)
{
    CFrameworkTestApp app;
    HWND gone = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    ::DestroyWindow(gone);
    CWnd owner;
    owner.m_hWnd = gone;
    EXPECT_EQ(OpenColourPalettePopup(CPoint(0, 0), CPoint(0, 0), &owner, 0, NULL, NULL), nullptr);
    owner.m_hWnd = NULL;
}
