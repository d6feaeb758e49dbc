// The About window's width follows the work area.
#include "application/about/AboutWnd.h"

#include <gtest/gtest.h>

TEST(AboutWnd, WidthIsHalfTheWorkAreaWithin500And600)
{
    const struct
    {
        int area;
        int width;
    } cases[] = {{800, 500}, {1001, 500}, {1003, 501}, {1024, 512}, {1199, 599}, {1600, 600}};
    for (const auto& c : cases)
        EXPECT_EQ(AboutWindowWidthFor(c.area), c.width) << c.area;
}
