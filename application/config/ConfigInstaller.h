#pragma once
// Installing a standard genetics configuration as the program's own
// "Genetics.Gen".
#include "afx/core/AfxCore.h"

// Copies the named file of the standard-configurations folder into a
// temporary file beside "Genetics.Gen", reads and checks that copy, puts it
// in place in one step and makes it the loaded configuration. Every failure
// is shown once and leaves the installed file and the loaded configuration as
// they were; nonzero on success.
BOOL InstallConfigurationFile(LPCTSTR name);

// The message for a standard configuration of that file name that holds the
// error.
CString FormatStandardConfigError(LPCTSTR name, LPCTSTR error);
