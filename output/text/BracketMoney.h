#pragma once
// Money amounts of bracket fields, read and written with the output currency
// formats.
#include "afx/core/AfxCore.h"
#include "foundation/values/PackedDecimal.h"

// TRUE when the text reads as money by the positive or the negative output
// format.
BOOL ReadMoneyText(LPCTSTR text, CPackedDecimal* amount);
// The amount written by the output format its sign chooses.
CString WriteMoneyText(const CPackedDecimal& amount);
