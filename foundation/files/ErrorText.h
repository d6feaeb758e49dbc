#pragma once

#include "afx/core/AfxCore.h"

// Raises a formatted error text as an exception (the text itself, by value).
[[noreturn]] void ThrowErrorText(LPCTSTR format, ...);
