#include "framework/app/SharedImageLists.h"
#include "framework/controls/ControlPixels.h"
#include "framework/controls/ItemDrawStyle.h"
#include "framework/controls/MyButton.h"
#include "framework/popups/PopupTracker.h"
#include "framework/resources/CommandImagesIds.h"
#include "support/WindowScreenshot.h"
#include "foundation/windows/SystemColours.h"

#include <gtest/gtest.h>

namespace
{
    const COLORREF red = RGB(200, 0, 0); // picture 0 of the test strip

    class CRecordingButton : public CMyButton
    {
    public:
        void OnPopupValue(WPARAM wParam, LPARAM lParam) override { values.push_back((int)wParam); }
        void OnPopupClosed(WPARAM, LPARAM) override { closed++; }
        std::vector<int> values;
        int closed = 0;
    };

    class MyButtonTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            LoadSystemColours();
            ASSERT_TRUE(GetSharedImageLists().Build(9351));
            ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_BTNFACE + 1)), "Buttons",
                                          WS_POPUP | WS_VISIBLE | WS_CAPTION, 40, 40, 360, 200, NULL, NULL));
        }
        void TearDown() override
        {
            m_parent.DestroyWindow();
            GetSharedImageLists().Release();
        }
        void Make(CMyButton& button, LPCTSTR text, const RECT& rect, UINT id, DWORD extraStyle = 0)
        {
            ASSERT_TRUE(button.Create(text, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW | extraStyle, rect, &m_parent, id));
            button.SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), 0);
        }
        CWnd m_parent;
    };
}

TEST(ItemDrawStyle, ImageIndicesKeepNoImageAndEveryIndex)
{
    const int indices[] = {-1, 0, 1, 255, 256, 1000};
    for (int index : indices)
    {
        CItemDrawStyle style;
        style.SetImage(1351, 0xFF00FF, 16, 15, index, -1);
        EXPECT_EQ(index, CItemDrawStyle::UnpackImageIndex(style.m_normalImage)) << index;
        EXPECT_EQ(-1, CItemDrawStyle::UnpackImageIndex(style.m_disabledImage)) << index;
    }
}

TEST(CommandImages, StripHoldsEveryCommandPicture)
{
    CSharedImageLists lists;
    ASSERT_TRUE(lists.Build(IDB_COMMAND_IMAGES));
    EXPECT_EQ(COMMAND_IMAGE_COUNT, lists.m_normal.GetImageCount());
    EXPECT_EQ(COMMAND_IMAGE_COUNT, lists.m_greyed.GetImageCount());
    lists.Release();
}

TEST_F(MyButtonTest, FacesShowImageTextFocusAndDisabledGrey)
{
    CMyButton withImage, noImage, disabled;
    Make(withImage, "Image", CRect(10, 10, 110, 40), 101);
    withImage.SetImage(9351, 0xFF00FF, 16, 15, 0, 0);
    Make(noImage, "No image", CRect(10, 50, 110, 80), 102);
    noImage.SetImage(9351, 0xFF00FF, 16, 15, -1, -1);
    Make(disabled, "Off", CRect(10, 90, 110, 120), 103, WS_DISABLED);
    CControlPixels unfocused(withImage.m_hWnd);
    withImage.SetFocus();
    SaveWindowScreenshot(m_parent.m_hWnd, "framework_buttons");

    CControlPixels image(withImage.m_hWnd);
    RECT picture = image.Bounds(red);
    RECT text = image.Bounds(GetSystemColour(COLOR_BTNTEXT), {3, 3, image.m_width - 3, image.m_height - 3});
    EXPECT_GT(image.Count(red), 20) << "picture drawn";
    EXPECT_EQ(0, image.Count(RGB(255, 0, 255))) << "the mask colour is transparent";
    EXPECT_LE(picture.right, text.left) << "the picture stands left of the text";
    EXPECT_LT(abs(picture.left - (image.m_width - text.right)), 6) << "picture and text stand in the middle";
    EXPECT_TRUE(withImage.m_lastState & ODS_FOCUS);
    int changed = 0;
    for (int x = 0; x < image.m_width; x++)
        changed += image.At(x, 1) != unfocused.At(x, 1);
    EXPECT_GT(changed, image.m_width / 4) << "focus rectangle one pixel inside the face";

    EXPECT_EQ(0, CControlPixels(noImage.m_hWnd).Count(red)) << "a stored 'no image' draws nothing";

    CControlPixels grey(disabled.m_hWnd);
    RECT inner = {3, 3, grey.m_width - 3, grey.m_height - 3};
    EXPECT_EQ(0, grey.Count(GetSystemColour(COLOR_BTNTEXT), inner)) << "disabled text is not black";
    EXPECT_GT(grey.Count(GetSystemColour(COLOR_BTNHIGHLIGHT), inner), 0) << "disabled text is embossed";
}

TEST_F(MyButtonTest, DownArrowGlyphRows)
{
    // 16 x 16 face: inner 12, glyph square shrunk by 2 is 8, made odd: 7.
    CMyButton arrow;
    arrow.m_glyph = GLYPH_DOWN_ARROW;
    Make(arrow, "", CRect(150, 10, 166, 26), 104);
    CControlPixels pixels(arrow.m_hWnd);
    COLORREF ink = GetSystemColour(COLOR_BTNTEXT);
    RECT inner = {2, 2, 14, 14};
    RECT box = pixels.Bounds(ink, inner);
    EXPECT_EQ(7, box.right - box.left);
    EXPECT_EQ(4, box.bottom - box.top);
    EXPECT_EQ(7 + 5 + 3 + 1, pixels.Count(ink, inner));
}

TEST_F(MyButtonTest, DropPointsFollowTheGlyph)
{
    CMyButton button;
    Make(button, "...", CRect(200, 10, 240, 30), 105);
    CRect window;
    button.GetWindowRect(&window);
    struct
    {
        int glyph;
        CPoint down, up;
    } cases[] = {
        {GLYPH_NONE, CPoint(window.left, window.bottom), CPoint(window.left, window.top)},
        {GLYPH_DOWN_ARROW, CPoint(window.left, window.bottom), CPoint(window.left, window.top)},
        {GLYPH_RIGHT_ARROW, CPoint(window.right, window.top), CPoint(window.right, window.top)},
    };
    for (const auto& c : cases)
    {
        button.m_glyph = c.glyph;
        EXPECT_EQ(c.down, button.GetDropDownPoint()) << c.glyph;
        EXPECT_EQ(c.up, button.GetDropUpPoint()) << c.glyph;
    }
}

TEST_F(MyButtonTest, EnableWithLabelsReachesEditAndItsLabelOnly)
{
    CStatic label, lonelyLabel;
    CEdit edit;
    CMyButton withEdit, alone;
    label.Create("Name", WS_CHILD | WS_VISIBLE, CRect(10, 130, 50, 150), &m_parent, 201);
    edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(50, 130, 120, 150), &m_parent, 202);
    Make(withEdit, "...", CRect(120, 130, 140, 150), 203);
    lonelyLabel.Create("Other", WS_CHILD | WS_VISIBLE, CRect(150, 130, 200, 150), &m_parent, 204);
    Make(alone, "X", CRect(200, 130, 220, 150), 205);

    withEdit.EnableWithLabels(FALSE);
    alone.EnableWithLabels(FALSE);
    EXPECT_FALSE(withEdit.IsWindowEnabled());
    EXPECT_FALSE(edit.IsWindowEnabled());
    EXPECT_FALSE(label.IsWindowEnabled());
    EXPECT_FALSE(alone.IsWindowEnabled());
    EXPECT_TRUE(lonelyLabel.IsWindowEnabled()) << "a label without an edit between stays";
    withEdit.EnableWithLabels(TRUE);
    EXPECT_TRUE(edit.IsWindowEnabled() && label.IsWindowEnabled() && withEdit.IsWindowEnabled());
}

TEST_F(MyButtonTest, PopupNotificationsReachTheButton)
{
    CRecordingButton button;
    Make(button, "Colour", CRect(250, 40, 330, 64), 106);
    button.SendMessage(WM_POPUP_SELECTED, 7, 0);
    button.SendMessage(WM_POPUP_CANCELLED, 0, 0);
    EXPECT_EQ(std::vector<int>{7}, button.values);
    EXPECT_EQ(1, button.closed);
}

TEST_F(MyButtonTest, FlatButtonShowsNoHoverFrameWhilePressed)
{
    CMyButton flat;
    flat.m_flat = 1;
    Make(flat, "Flat", CRect(250, 80, 330, 104), 107);
    CRect window;
    flat.GetWindowRect(&window);
    ::SetCursorPos(window.CenterPoint().x, window.CenterPoint().y);
    flat.m_pressed = 1;
    flat.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(flat.m_hoverFrameShown);
    flat.m_pressed = 0;
    flat.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(flat.m_hoverFrameShown) << "the frame comes back at the next move";
    ::SetCursorPos(0, 0);
    flat.SendMessage(WM_TIMER, 1, 0);
    EXPECT_FALSE(flat.m_hoverFrameShown) << "leaving erases the frame";
}

TEST_F(MyButtonTest, TemplatePushButtonsBecomeOwnerDrawn)
{
    HWND handle = ::CreateWindowA("BUTTON", "Default", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 10, 160, 80, 24,
                                  m_parent.m_hWnd, (HMENU)108, NULL, NULL);
    CMyButton button;
    ASSERT_TRUE(button.SubclassWindow(handle));
    EXPECT_EQ((DWORD)BS_OWNERDRAW, button.GetStyle() & BS_TYPEMASK);
    EXPECT_EQ(1, button.m_defaultFrame);
    EXPECT_EQ(1, button.SetDefault(0));
    button.DestroyWindow();
}
