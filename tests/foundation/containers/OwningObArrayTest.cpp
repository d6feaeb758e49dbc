#include "foundation/containers/MyCmdTarget.h"
#include "foundation/containers/OwningObArray.h"

#include <gtest/gtest.h>

namespace
{
int LiveItems = 0;

class CCountedItem : public CMyCmdTarget
{
public:
    explicit CCountedItem(int value) : m_value(value) { ++LiveItems; }
    ~CCountedItem() override { --LiveItems; }
    CMyCmdTarget* Clone() const override { return new CCountedItem(m_value); }
    int m_value;
};

class OwningObArrayTest : public ::testing::Test
{
protected:
    void SetUp() override { LiveItems = 0; }
};
}

TEST_F(OwningObArrayTest, DestroyingDeletesTheNonNullElements)
{
    {
        COwningObArray array;
        array.Add(new CCountedItem(1));
        array.Add(NULL);
        array.Add(new CCountedItem(2));
        EXPECT_EQ(2, LiveItems);
    }
    EXPECT_EQ(0, LiveItems);
}

TEST_F(OwningObArrayTest, DeleteAllEmptiesTheArray)
{
    COwningObArray array;
    array.Add(new CCountedItem(1));
    array.DeleteAll();
    EXPECT_EQ(0, array.GetSize());
    EXPECT_EQ(0, LiveItems);
}

TEST_F(OwningObArrayTest, CopyClonesAndKeepsNulls)
{
    COwningObArray source;
    source.Add(new CCountedItem(7));
    source.Add(NULL);
    source.Add(new CCountedItem(9));

    COwningObArray target;
    target.Add(new CCountedItem(100));
    target.Copy(source);
    EXPECT_EQ(4, LiveItems);
    ASSERT_EQ(3, target.GetSize());
    EXPECT_NE(source[0], target[0]);
    EXPECT_EQ(7, ((CCountedItem*)target[0])->m_value);
    EXPECT_EQ(NULL, target[1]);
    EXPECT_EQ(9, ((CCountedItem*)target[2])->m_value);

    COwningObArray empty;
    target.Copy(empty);
    EXPECT_EQ(0, target.GetSize());
    EXPECT_EQ(2, LiveItems);
}

TEST_F(OwningObArrayTest, CopyOntoItselfKeepsTheElements)
{
    COwningObArray array;
    array.Add(new CCountedItem(3));
    array.Add(NULL);
    CObject* first = array[0];
    array.Copy(array);
    ASSERT_EQ(2, array.GetSize());
    EXPECT_EQ(first, array[0]);
    EXPECT_EQ(3, ((CCountedItem*)array[0])->m_value);
    EXPECT_EQ(1, LiveItems);
}

TEST_F(OwningObArrayTest, AnswersTheObjectArrayClass)
{
    COwningObArray array;
    EXPECT_EQ(RUNTIME_CLASS(CObArray), array.GetRuntimeClass());
}

TEST_F(OwningObArrayTest, BaseCommandTargetAnswers)
{
    CMyCmdTarget target;
    EXPECT_EQ(nullptr, target.Clone());
    EXPECT_FALSE(target.IsEqual(&target));
}
