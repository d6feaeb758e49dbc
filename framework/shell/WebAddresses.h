#pragma once

#include "afx/core/AfxCore.h"

// Web addresses and mail links, opened with the shell.
CString CompleteWebAddress(LPCTSTR text);
void OpenWebAddress(LPCTSTR text);
void OpenMailToAddress(LPCTSTR address, LPCTSTR subject);

// ASCII letters and digits stay; every other byte becomes "%" and two lower-case
// hexadecimal digits.
CString PercentEncode(LPCTSTR text);
