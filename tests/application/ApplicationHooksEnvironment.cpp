// The application's tests run with the hooks that the program installs at
// start-up: the configuration reader makes the real selection elements.
#include "application/app/ApplicationHooks.h"

#include <gtest/gtest.h>

namespace
{
class ApplicationHooks : public ::testing::Environment
{
public:
    void SetUp() override { InstallApplicationHooks(); }
};

const ::testing::Environment* const installed = ::testing::AddGlobalTestEnvironment(new ApplicationHooks);
} // namespace
