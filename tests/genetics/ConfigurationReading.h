#pragma once
// Reading configurations in tests as the program's loader reads them. The
// genetics and the application tests share these; they use no GoogleTest.
#include "genetics/GeneticsConfig.h"

#include <vector>

// The default terminology, so that tokens expand as a user first sees them.
void EnsureDefaultTerms();

// Splits a configuration text into lines as the loader does with the plain
// bytes of the file: CR LF becomes LF, lines are trimmed, and a last line
// without LF counts when it is not empty.
void SplitConfigText(const char* text, CStringArray& lines);

// Reads a configuration text (lines split as above, numbered from 1) as the
// loader does after reading the file; returns the error text.
CString ReadConfigText(CGeneticsConfig& config, const char* text);

// Reads a configuration file, plain or sealed, as the loader does; returns
// the error text.
CString ReadConfigFile(CGeneticsConfig& config, const char* path);

// The file names of the standard configurations in configurations/.
std::vector<CString> ShippedConfigurations();

// Reads a standard configuration of configurations/ ("Basic.txt") as the
// loader does; returns the error text.
CString LoadShippedConfiguration(CGeneticsConfig& config, const char* name);
