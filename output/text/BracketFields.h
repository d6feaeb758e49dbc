#pragma once
// Fields between square brackets in formatted text: "[cuabc]" gives "ABC",
// "[asn 1 2 3]" gives "6". Every value a field works on stands in the text.
#include "afx/core/AfxCore.h"

// The text with every top-level field replaced by its result; "\[" is a
// literal "[". A field still open at the end is dropped.
CString ExpandBracketFields(LPCTSTR text);
// The result of one field text (without its brackets); empty when it cannot
// be evaluated.
CString EvaluateBracketField(LPCTSTR field);

// The currency format codes that money fields read and write with (empty:
// the regional format); the preferences set them.
extern CString PositiveOutputCurrencyFormat;
extern CString NegativeOutputCurrencyFormat;
