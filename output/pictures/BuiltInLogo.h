#pragma once

#include "afx/core/AfxCore.h"

// The program's logo, a placeable Windows metafile.
extern const BYTE BuiltInLogo[];
extern const DWORD BuiltInLogoSize;
