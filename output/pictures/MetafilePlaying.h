#pragma once

#include "afx/app/AfxWin.h"

#include <functional>

// The frame of drawing either kind of metafile. FALSE when the destination
// is narrower than 1 or not taller than 0; TRUE without drawing when the clip
// rectangle hides it all. Otherwise both rectangles are moved by minus the
// origin, the device context is clipped to the visible part, its state
// saved and that clip made its meta region, which nothing the picture plays
// can widen; 'play' draws into the moved destination and gives the result,
// and the state and the clip region are given back.
BOOL PlayMetafileClipped(CDC* dc, const RECT& dest, const RECT& clip, POINT origin,
                         const std::function<BOOL(CDC* dc, const CRect& target)>& play);
