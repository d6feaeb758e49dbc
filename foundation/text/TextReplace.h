#pragma once

#include "afx/core/AfxCore.h"

// A copy of the text with every 'from' character replaced by 'to'.
CString ReplaceCharWithChar(LPCTSTR text, char from, char to);
