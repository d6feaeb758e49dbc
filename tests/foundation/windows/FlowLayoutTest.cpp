#include "foundation/windows/FlowLayout.h"

#include <gtest/gtest.h>

namespace
{
    CFlowLayout* MakeLayout(int mode, int margin, int gap)
    {
        CFlowLayout* layout = new CFlowLayout;
        layout->m_nMode = mode;
        layout->SetMargins(margin, margin, margin, margin);
        layout->m_nGapX = gap;
        layout->m_nGapY = gap;
        return layout;
    }
}

TEST(FlowLayoutTest, ColumnModePlacesRowsAndColumns)
{
    CFlowLayout& layout = *MakeLayout(1, 10, 4);
    EXPECT_EQ(layout.PlaceItem(50, 20, FALSE, FALSE, FALSE), CPoint(10, 10));
    EXPECT_EQ(layout.PlaceItem(30, 20, FALSE, FALSE, FALSE), CPoint(64, 10));
    EXPECT_EQ(layout.PlaceItem(50, 20, TRUE, FALSE, FALSE), CPoint(10, 34));
    EXPECT_EQ(layout.GetExtent(), CSize(104, 64));

    // A new column starts at the top margin, a gap right of the widest row.
    EXPECT_EQ(layout.PlaceItem(40, 10, FALSE, TRUE, FALSE), CPoint(98, 10));
    EXPECT_EQ(layout.PlaceItem(40, 10, TRUE, FALSE, FALSE), CPoint(98, 24));
    EXPECT_EQ(layout.GetExtent(), CSize(148, 64));
    delete &layout;
}

TEST(FlowLayoutTest, BandModeStacksItemsAndStartsColumnsAtTheBandTop)
{
    CFlowLayout& layout = *MakeLayout(0, 10, 4);
    EXPECT_EQ(layout.PlaceItem(50, 20, FALSE, FALSE, FALSE), CPoint(10, 10));
    EXPECT_EQ(layout.PlaceItem(70, 20, FALSE, FALSE, FALSE), CPoint(10, 34));
    // The new column stands a gap right of the widest item of the column.
    EXPECT_EQ(layout.PlaceItem(30, 10, FALSE, TRUE, FALSE), CPoint(84, 10));
    // A new band starts below the lowest item of the band, at the left margin.
    EXPECT_EQ(layout.PlaceItem(30, 10, TRUE, FALSE, FALSE), CPoint(10, 58));
    EXPECT_EQ(layout.GetExtent(), CSize(124, 78));
    delete &layout;
}

TEST(FlowLayoutTest, SeparatorsSitInTheMiddleOfTheirGap)
{
    CFlowLayout& layout = *MakeLayout(1, 0, 4);
    layout.PlaceItem(50, 20, FALSE, FALSE, FALSE);
    EXPECT_EQ(layout.PlaceItem(50, 20, TRUE, FALSE, TRUE), CPoint(0, 30));
    ASSERT_EQ(layout.m_horizontalSeparators.size(), 1u);
    EXPECT_EQ(layout.m_horizontalSeparators[0], 24);
    // A separated column: gap, separator space, gap after the widest row.
    EXPECT_EQ(layout.PlaceItem(10, 10, FALSE, TRUE, TRUE), CPoint(60, 0));
    ASSERT_EQ(layout.m_verticalSeparators.size(), 1u);
    EXPECT_EQ(layout.m_verticalSeparators[0], 54);
    EXPECT_EQ(layout.m_horizontalSeparators.size(), 1u);

    CFlowLayout& bands = *MakeLayout(0, 0, 4);
    bands.PlaceItem(20, 20, FALSE, FALSE, FALSE);
    EXPECT_EQ(bands.PlaceItem(20, 20, FALSE, TRUE, TRUE), CPoint(30, 0));
    ASSERT_EQ(bands.m_verticalSeparators.size(), 1u);
    EXPECT_EQ(bands.m_verticalSeparators[0], 24);
    EXPECT_EQ(bands.PlaceItem(20, 20, TRUE, FALSE, TRUE), CPoint(0, 30));
    ASSERT_EQ(bands.m_horizontalSeparators.size(), 1u);
    EXPECT_EQ(bands.m_horizontalSeparators[0], 24);
    delete &layout;
    delete &bands;
}

TEST(FlowLayoutTest, ASeparatedFirstItemLeavesRoomForItsSeparator)
{
    // The first column (or band) is opened by the first item whatever its
    // flags say, and a separator asked for there takes its room too.
    CFlowLayout& columns = *MakeLayout(1, 10, 4);
    EXPECT_EQ(columns.PlaceItem(50, 20, FALSE, FALSE, TRUE), CPoint(16, 10));
    ASSERT_EQ(columns.m_verticalSeparators.size(), 1u);
    EXPECT_EQ(columns.m_verticalSeparators[0], 10);
    EXPECT_TRUE(columns.m_horizontalSeparators.empty());
    EXPECT_EQ(columns.GetExtent(), CSize(76, 40));

    CFlowLayout& bands = *MakeLayout(0, 10, 4);
    EXPECT_EQ(bands.PlaceItem(50, 20, FALSE, FALSE, TRUE), CPoint(10, 16));
    ASSERT_EQ(bands.m_horizontalSeparators.size(), 1u);
    EXPECT_EQ(bands.m_horizontalSeparators[0], 10);
    EXPECT_TRUE(bands.m_verticalSeparators.empty());
    delete &columns;
    delete &bands;
}

TEST(FlowLayoutTest, EmptyLayoutsAndNegativeSizes)
{
    CFlowLayout layout;
    layout.SetMargins(10, 10, 10, 10);
    EXPECT_EQ(layout.GetExtent(), CSize(0, 0));
    EXPECT_EQ(layout.PlaceItem(-5, -5, FALSE, FALSE, FALSE), CPoint(10, 10));
    EXPECT_EQ(layout.PlaceItem(10, 10, FALSE, FALSE, FALSE), CPoint(10, 10));
    EXPECT_EQ(layout.GetExtent(), CSize(30, 30));

    layout.Reset();
    EXPECT_EQ(layout.GetExtent(), CSize(0, 0));
    EXPECT_EQ(layout.m_nMode, 1);
    EXPECT_EQ(layout.m_nSeparatorSpace, 2);
    EXPECT_EQ(layout.PlaceItem(10, 10, FALSE, FALSE, FALSE), CPoint(0, 0));
}
