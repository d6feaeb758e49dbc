#include "support/BeforeTests.h"

#include <gtest/gtest.h>

namespace
{
class FunctionEnvironment : public ::testing::Environment
{
public:
    explicit FunctionEnvironment(void (*setUp)()) : m_setUp(setUp) {}
    void SetUp() override { m_setUp(); }

private:
    void (*m_setUp)();
};
}  // namespace

bool RunBeforeTests(void (*setUp)())
{
    ::testing::AddGlobalTestEnvironment(new FunctionEnvironment(setUp));
    return true;
}
