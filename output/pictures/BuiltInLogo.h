#pragma once

#include "afx/AfxCore.h"

// The program's logo, a placeable Windows metafile.
extern const BYTE BuiltInLogo[];
extern const DWORD BuiltInLogoSize;
