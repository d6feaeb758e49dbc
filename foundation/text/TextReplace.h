#pragma once

#include "afx/AfxCore.h"

// A copy of the text with every 'from' character replaced by 'to'.
CString ReplaceCharWithChar(LPCTSTR text, char from, char to);
