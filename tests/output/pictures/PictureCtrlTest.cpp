// The picture control: made over a placeholder, shows a loaded picture fitted
// and centred over its background colour, hides when cleared.
#include "output/pictures/PictureCtrl.h"

#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/WindowGeometry.h"

#include "TestPictures.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
const COLORREF Red = RGB(255, 0, 0), Green = RGB(0, 160, 0);

class PictureCtrlTest : public ::testing::Test
{
protected:
    PictureCtrlTest() : m_folder("picture_ctrl")
    {
        m_parent.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_BTNFACE + 1)), "Pictures",
                          WS_POPUP | WS_VISIBLE, CRect(0, 0, 420, 260), NULL, 0);
        ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 10, 400, 200, m_parent.m_hWnd, (HMENU)100,
                          ::GetModuleHandleA(NULL), NULL);
        // Two units wide and one high: a red box filling it.
        WriteBytes(m_folder / "wide.wmf", MakePlaceableWmf(200, 100, 100, [](HDC dc) {
                       RECT all = {0, 0, 200, 100};
                       ::FillRect(dc, &all, COwnedGdiObject<HBRUSH>(::CreateSolidBrush(Red)));
                   }));
        WriteBytes(m_folder / "wide.bmp", MakeBmp(40, 20, 24, {}, [](int, int) {
                       return Red;
                   }));
        WriteBytes(m_folder / "notes.txt", Bytes(200, 'n'));
    }
    ~PictureCtrlTest() override { m_parent.DestroyWindow(); }

    // The control's pixels as the screen shows them.
    COLORREF ScreenAt(CPictureCtrl& control, int x, int y)
    {
        control.UpdateWindow();
        HDC dc = ::GetDC(control.m_hWnd);
        COLORREF colour = ::GetPixel(dc, x, y);
        ::ReleaseDC(control.m_hWnd, dc);
        return colour;
    }

    CScratchFolder m_folder;
    CWnd m_parent;
};
} // namespace

TEST_F(PictureCtrlTest, ShowsThePictureFittedAndCentredOverItsBackground)
{
    CPictureCtrl control;
    ASSERT_TRUE(control.CreateOverControl(&m_parent, 100, "", 0, 0));
    CRect placeholder = DeflateRectByTabMargins(GetWindowRectInParent(m_parent.GetDlgItem(100)));
    EXPECT_EQ(GetWindowRectInParent(&control), placeholder);
    EXPECT_FALSE(control.IsWindowVisible());
    EXPECT_TRUE(control.GetStyle() & WS_DISABLED);

    control.m_backgroundColour = Green;
    ASSERT_TRUE(control.LoadPicture((m_folder / "wide.wmf").c_str(), MakePictureLoadOptions(96, 96), TRUE));
    EXPECT_TRUE(control.IsWindowVisible());
    CRect client;
    control.GetClientRect(&client);
    // Wider than the picture's proportions: background on the left and right.
    const CSize fitted = control.GetFittedSize();
    EXPECT_EQ(fitted.cy, client.Height());
    EXPECT_NEAR(fitted.cx, 2 * client.Height(), 1);
    EXPECT_EQ(ScreenAt(control, client.Width() / 2, client.Height() / 2), Red);
    EXPECT_EQ(ScreenAt(control, 2, client.Height() / 2), Green);
    EXPECT_EQ(ScreenAt(control, client.Width() - 3, client.Height() / 2), Green);

    // A maximum width narrows the drawing without changing its height.
    ASSERT_TRUE(control.LoadPicture((m_folder / "wide.bmp").c_str(), MakePictureLoadOptions(96, 96), TRUE));
    control.m_nMaxWidth = 100;
    control.Invalidate(TRUE);
    EXPECT_EQ(ScreenAt(control, client.Width() / 2 - 40, client.Height() / 2), Red);
    EXPECT_EQ(ScreenAt(control, client.Width() / 2 - 60, client.Height() / 2), Green);
    EXPECT_EQ(ScreenAt(control, client.Width() / 2, 2), Red);

    // What is not a picture is refused: the window stays shown, the old picture is gone.
    EXPECT_FALSE(control.LoadPicture((m_folder / "notes.txt").c_str(), MakePictureLoadOptions(96, 96), FALSE));
    EXPECT_TRUE(control.IsWindowVisible());
    EXPECT_FALSE(control.GetPicture().HasPicture());

    ASSERT_TRUE(control.LoadPicture((m_folder / "wide.wmf").c_str(), MakePictureLoadOptions(96, 96), FALSE));
    control.SetVisible(FALSE);
    EXPECT_FALSE(control.IsWindowVisible());
    control.SetVisible(TRUE);
    EXPECT_TRUE(control.IsWindowVisible());
    control.ClearPicture();
    EXPECT_FALSE(control.IsWindowVisible());
    control.DestroyWindow();
}

// A bitmap set on the control is shown instead of the picture, centred and
// never stretched: one wider than the window shows its left part.
TEST_F(PictureCtrlTest, ShowsASetBitmapCentredAndUnstretched)
{
    CPictureCtrl control;
    ASSERT_TRUE(control.CreateOverControl(&m_parent, 100, "", 0, 0));
    control.m_backgroundColour = Green;
    ASSERT_TRUE(control.LoadPicture((m_folder / "wide.wmf").c_str(), MakePictureLoadOptions(96, 96), TRUE));
    CRect client;
    control.GetClientRect(&client);
    const CPoint centre = client.CenterPoint();
    // Red up to 'redWidth', blue beyond.
    auto makeBitmap = [](int width, int height, int redWidth) {
        std::vector<DWORD> pixels(width * height);
        for (int i = 0; i < width * height; ++i)
            pixels[i] = i % width < redWidth ? 0xFF0000 : 0x0000FF;
        return COwnedGdiObject<HBITMAP>(::CreateBitmap(width, height, 1, 32, pixels.data()));
    };

    const COwnedGdiObject<HBITMAP> small = makeBitmap(40, 20, 20);
    control.m_hBitmap = small;
    control.Invalidate(TRUE);
    EXPECT_EQ(ScreenAt(control, centre.x - 10, centre.y), Red);
    EXPECT_EQ(ScreenAt(control, centre.x + 10, centre.y), RGB(0, 0, 255));
    EXPECT_EQ(ScreenAt(control, centre.x - 30, centre.y), Green);
    EXPECT_EQ(ScreenAt(control, centre.x, centre.y - 15), Green);

    const COwnedGdiObject<HBITMAP> wide = makeBitmap(2 * client.Width(), client.Height(), client.Width());
    control.m_hBitmap = wide;
    control.Invalidate(TRUE);
    EXPECT_EQ(ScreenAt(control, 1, centre.y), Red);
    EXPECT_EQ(ScreenAt(control, client.Width() - 2, centre.y), Red);
    control.DestroyWindow();
}

TEST_F(PictureCtrlTest, MissingPlaceholderMakesNoWindow)
{
    CPictureCtrl control;
    EXPECT_FALSE(control.CreateOverControl(&m_parent, 999, "", 0, 0));
    EXPECT_TRUE(control.m_hWnd == NULL);
}
