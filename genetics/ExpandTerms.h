#pragma once

#include "afx/AfxCore.h"

// The text with its terminology tokens between tildes replaced by their
// current texts.
CString ExpandTerms(const char* text);
