// Like the program, the foundation's tests have the framework's texts
// expanded through the terms map.
#include "foundation/terminology/FrameworkTextHooks.h"
#include "support/BeforeTests.h"

namespace
{
const bool installed = RunBeforeTests(&InstallTerminologyHooks);
}
