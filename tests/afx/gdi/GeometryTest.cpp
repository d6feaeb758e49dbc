#include <gtest/gtest.h>

#include "afx/core/AfxCore.h"

TEST(Geometry, RectangleMeasuresAndCorners)
{
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(100, r.Width());
    EXPECT_EQ(50, r.Height());
    EXPECT_TRUE(r.Size() == CSize(100, 50));
    EXPECT_TRUE(r.TopLeft() == CPoint(10, 20));
    EXPECT_TRUE(r.BottomRight() == CPoint(110, 70));
    EXPECT_TRUE(r.CenterPoint() == CPoint(60, 45));
    r.TopLeft() += CSize(5, 5);
    EXPECT_TRUE(r == CRect(15, 25, 110, 70));
    EXPECT_TRUE(CRect(CPoint(1, 2), CSize(3, 4)) == CRect(1, 2, 4, 6));
    EXPECT_TRUE(CRect(CPoint(1, 2), CPoint(3, 4)) != CRect(1, 2, 4, 6));
    LPCRECT pRect = r;
    EXPECT_EQ(15, pRect->left);
}

TEST(Geometry, RectangleOperations)
{
    CRect r(0, 0, 10, 10);
    EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 5)));
    r.InflateRect(2, 3);
    EXPECT_TRUE(r == CRect(-2, -3, 12, 13));
    r.DeflateRect(2, 3);
    r.DeflateRect(1, 2, 3, 4);
    EXPECT_TRUE(r == CRect(1, 2, 7, 6));
    r.OffsetRect(CPoint(1, 1));
    EXPECT_TRUE(r == CRect(2, 3, 8, 7));

    CRect overlap;
    EXPECT_TRUE(overlap.IntersectRect(CRect(0, 0, 5, 5), CRect(3, 3, 8, 8)));
    EXPECT_TRUE(overlap == CRect(3, 3, 5, 5));
    EXPECT_FALSE(overlap.IntersectRect(CRect(0, 0, 1, 1), CRect(2, 2, 3, 3)));
    EXPECT_TRUE(overlap.IsRectEmpty());
    CRect both;
    both.UnionRect(CRect(0, 0, 1, 1), CRect(2, 2, 3, 3));
    EXPECT_TRUE(both == CRect(0, 0, 3, 3));

    CRect flipped(10, 10, 0, 0);
    EXPECT_TRUE(flipped.IsRectEmpty());
    flipped.NormalizeRect();
    EXPECT_TRUE(flipped == CRect(0, 0, 10, 10));
    flipped.SetRectEmpty();
    EXPECT_TRUE(flipped.IsRectNull());
    EXPECT_TRUE(CRect(0, 0, 2, 2) + CPoint(1, 1) == CRect(1, 1, 3, 3));
    EXPECT_TRUE(CRect(1, 1, 3, 3) - CSize(1, 1) == CRect(0, 0, 2, 2));
}

TEST(Geometry, PointsAndSizes)
{
    CPoint p(3, 4);
    EXPECT_TRUE(p + CSize(1, 1) == CPoint(4, 5));
    EXPECT_TRUE(p - CPoint(1, 1) == CSize(2, 3));
    EXPECT_TRUE(-p == CPoint(-3, -4));
    p.Offset(-3, -4);
    EXPECT_TRUE(p == CPoint(0, 0));
    EXPECT_TRUE(CPoint(MAKELONG(-5, 7)) == CPoint(-5, 7));
    CSize s(2, 3);
    s += CSize(1, 1);
    EXPECT_TRUE(s == CSize(3, 4));
    EXPECT_TRUE(s + CPoint(1, 1) == CPoint(4, 5));
}
