#include "framework/app/SharedImageLists.h"
#include "support/TestCanvas.h"

#include <gtest/gtest.h>

namespace
{
// The colour at the middle of picture `image` of a list.
COLORREF MiddleOf(CImageList& list, int image)
{
    CTestCanvas canvas(16, 15);
    canvas.Fill(RGB(255, 255, 255));
    ImageList_Draw(list, image, canvas.Dc(), 0, 0, ILD_NORMAL);
    COLORREF middle = canvas.At(8, 7);
    COLORREF border = canvas.At(0, 7);
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
