#include "framework/windows/TestResourceIds.h"
#include "framework/windows/ToolbarResource.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
    std::vector<UINT> Ids(const CUIntArray& ids)
    {
        return std::vector<UINT>(ids.GetData(), ids.GetData() + ids.GetSize());
    }
}

TEST(ToolbarResourceTest, CommandIdsWithOrWithoutSeparators)
{
    CUIntArray ids;
    ASSERT_TRUE(LoadToolbarCommandIds(ids, MAKEINTRESOURCEA(IDR_TEST_TOOLBAR), TRUE));
    EXPECT_EQ(Ids(ids), (std::vector<UINT>{40001, 40002, 40003}));
    ASSERT_TRUE(LoadToolbarCommandIds(ids, MAKEINTRESOURCEA(IDR_TEST_TOOLBAR), FALSE));
    EXPECT_EQ(Ids(ids), (std::vector<UINT>{40001, 0, 40002, 0, 40003}));

    // Another version, or no resource at all: nothing.
    EXPECT_FALSE(LoadToolbarCommandIds(ids, MAKEINTRESOURCEA(IDR_TEST_TOOLBAR_V2), TRUE));
    EXPECT_EQ(ids.GetSize(), 0);
    EXPECT_FALSE(LoadToolbarCommandIds(ids, MAKEINTRESOURCEA(3999), TRUE));
}
