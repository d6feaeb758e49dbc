// Like the program, the framework's tests have the framework's texts expanded
// through the terms map and the foundation's messages shown by the
// framework's message routines.
#include "foundation/terminology/FrameworkTextHooks.h"
#include "framework/messages/MessageRoutines.h"
#include "support/BeforeTests.h"

namespace
{
void InstallFrameworkHooks()
{
    InstallTerminologyHooks();
    InstallMessageRoutines();
}

const bool installed = RunBeforeTests(&InstallFrameworkHooks);
}
