#pragma once

#include "afx/core/AfxCore.h"

// MK_SHIFT (4) and MK_CONTROL (8) for the keys that are down.
int GetModifierKeyFlags();
