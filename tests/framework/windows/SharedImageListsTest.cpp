#include "framework/app/SharedImageLists.h"

#include <gtest/gtest.h>

namespace
{
// The colour at the middle of picture `image` of a list.
COLORREF MiddleOf(CImageList& list, int image)
{
    HDC screen = ::GetDC(NULL);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 16, 15);
    ::ReleaseDC(NULL, screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    RECT all = {0, 0, 16, 15};
    ::FillRect(dc, &all, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    ImageList_Draw(list, image, dc, 0, 0, ILD_NORMAL);
    COLORREF middle = ::GetPixel(dc, 8, 7);
    COLORREF border = ::GetPixel(dc, 0, 7);
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    EXPECT_EQ(RGB(255, 255, 255), border) << "the mask colour is transparent";
    return middle;
}

TEST(SharedImageLists, NormalAndGreyedPicturesFromOneStrip)
{
    CSharedImageLists lists;
    EXPECT_FALSE(lists.Build(9999));
    ASSERT_TRUE(lists.Build(9351));
    EXPECT_EQ(2, lists.m_normal.GetImageCount());
    EXPECT_EQ(2, lists.m_greyed.GetImageCount());
    EXPECT_EQ(RGB(200, 0, 0), MiddleOf(lists.m_normal, 0));
    EXPECT_EQ(RGB(0, 0, 200), MiddleOf(lists.m_normal, 1));
    COLORREF grey = MiddleOf(lists.m_greyed, 0);
    EXPECT_EQ(GetRValue(grey), GetGValue(grey));
    EXPECT_EQ(GetGValue(grey), GetBValue(grey));
    EXPECT_GE(GetRValue(grey), 128);
    lists.Release();
}
} // namespace
