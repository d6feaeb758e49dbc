#include "afx/app/AfxWin.h"

#include <gtest/gtest.h>

namespace
{
TEST(ImageListTest, MaskedBitmapsAreAddedDrawnAndTurnedIntoIcons)
{
    CImageList images;
    ASSERT_TRUE(images.Create(16, 15, ILC_MASK | ILC_COLOR24, 2, 2));
    EXPECT_EQ(0, images.GetImageCount());

    // a strip of two images: red, and magenta as the mask colour
    CDC screen;
    screen.Attach(::GetDC(NULL));
    CBitmap strip;
    ASSERT_TRUE(strip.CreateCompatibleBitmap(&screen, 32, 15));
    {
        CDC dc;
        dc.CreateCompatibleDC(&screen);
        CBitmap* pOld = dc.SelectObject(&strip);
        dc.FillSolidRect(0, 0, 16, 15, RGB(255, 0, 0));
        dc.FillSolidRect(16, 0, 16, 15, RGB(255, 0, 255));
        dc.SelectObject(pOld);
    }
    EXPECT_EQ(0, images.Add(&strip, RGB(255, 0, 255)));
    EXPECT_EQ(2, images.GetImageCount());

    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap target;
    target.CreateCompatibleBitmap(&screen, 16, 15);
    ::ReleaseDC(NULL, screen.Detach());
    CBitmap* pOld = dc.SelectObject(&target);
    dc.FillSolidRect(0, 0, 16, 15, RGB(0, 0, 255));
    EXPECT_TRUE(images.Draw(&dc, 1, CPoint(0, 0), ILD_TRANSPARENT));
    EXPECT_EQ(RGB(0, 0, 255), dc.GetPixel(3, 3)); // the masked image left the background
    EXPECT_TRUE(images.Draw(&dc, 0, CPoint(0, 0), ILD_NORMAL));
    EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(3, 3));
    dc.SelectObject(pOld);

    HICON hIcon = images.ExtractIcon(0);
    EXPECT_NE((HICON)NULL, hIcon);
    ::DestroyIcon(hIcon);
    EXPECT_TRUE(images.DeleteImageList());
    EXPECT_EQ(NULL, images.GetSafeHandle());
}
} // namespace
