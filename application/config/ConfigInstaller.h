#pragma once
// Installing a standard genetics configuration as the program's own
// "Genetics.Gen".
#include "afx/AfxCore.h"

// Copies the named file of the standard-configurations folder into a
// temporary file beside "Genetics.Gen" and puts it in place in one step, then
// reloads the configuration. Every failure is shown and leaves the installed
// file and the loaded configuration as they were; nonzero on success.
BOOL InstallConfigurationFile(LPCTSTR name);
