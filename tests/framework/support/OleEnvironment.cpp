// The framework's tests run with OLE started, as the program starts it before
// it makes any window (edit fields register as drop targets when created).
#include "afx/app/AfxWin.h"

#include <gtest/gtest.h>

namespace
{
class OleEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { ASSERT_TRUE(AfxOleInit()); }
};

const ::testing::Environment* const installed = ::testing::AddGlobalTestEnvironment(new OleEnvironment);
} // namespace
