#pragma once

#include "foundation/containers/MapEx.h"

// A map from text keys to signed 32-bit numbers, as the settings keep them
// (remembered message-prompt answers, list-window extents).
typedef CMap<CString, LPCTSTR, int, int> CNumberMapBase;
typedef CMapEx<CString, LPCTSTR, int, int> CNumberMap;

// Makes the target hold exactly the source's entries, in the source's order.
void CopyNumberMap(const CNumberMapBase& source, CNumberMapBase& target);
