#include "foundation/windows/RectPlacement.h"

#include <gtest/gtest.h>

TEST(RectPlacementTest, NinePlacesInsideTheRectangle)
{
    const RECT rect = {10, 20, 110, 70};
    struct Case
    {
        int placement;
        CRect expected;
    };
    const Case cases[] = {
        {0, CRect(50, 40, 70, 50)},  {1, CRect(50, 20, 70, 30)}, {2, CRect(50, 60, 70, 70)},
        {3, CRect(90, 40, 110, 50)}, {4, CRect(10, 40, 30, 50)}, {5, CRect(90, 20, 110, 30)},
        {6, CRect(10, 20, 30, 30)},  {7, CRect(90, 60, 110, 70)}, {8, CRect(10, 60, 30, 70)},
        {42, CRect(50, 40, 70, 50)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AlignRectInRect(20, 10, rect, 0, 0, c.placement), c.expected) << c.placement;
}

TEST(RectPlacementTest, MarginsApplyAtTheLeadingEdgeAndBoxesAreClipped)
{
    const RECT rect = {0, 0, 100, 50};
    EXPECT_EQ(AlignRectInRect(20, 10, rect, 4, 2, 0), CRect(42, 21, 62, 31));
    EXPECT_EQ(AlignRectInRect(20, 10, rect, 4, 2, 7), CRect(76, 38, 96, 48));
    EXPECT_EQ(AlignRectInRect(200, 80, rect, 4, 2, 0), CRect(4, 2, 100, 50));
    EXPECT_EQ(AlignRectInRect(96, 48, rect, 4, 2, 0), CRect(4, 2, 100, 50));
}
