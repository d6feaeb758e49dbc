// The application's tests run with the hooks that the program installs when
// it starts: the configuration reader makes the real selection elements, the
// messages are the program's own.
#include "application/app/ApplicationHooks.h"
#include "support/BeforeTests.h"

namespace
{
const bool installed = RunBeforeTests(&InstallApplicationHooks);
}
