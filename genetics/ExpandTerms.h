#pragma once

#include "afx/core/AfxCore.h"

// The text with its terminology tokens between tildes replaced by their
// current texts.
CString ExpandTerms(const char* text);
