#pragma once

#include "foundation/containers/MapEx.h"

// A map from text keys to signed 32-bit numbers, as the settings keep them
// (remembered message-prompt answers, list-window extents).
typedef CMapEx<CString, LPCTSTR, int, int> CNumberMap;
