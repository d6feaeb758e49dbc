#pragma once

#include "afx/app/AfxWin.h"

#include <atomic>

// Plays an enhanced metafile (a sound one: see IsEnhMetafileSound) into
// 'rect' a record at a time, as PlayEnhMetaFile would, up to its end record;
// a record that the player would take too long over is skipped, and the
// rest of the records once the draw's time is spent (CPlayGuard). 'stop' is
// the picture's record where draws stop.
BOOL PlayEnhMetafileGuarded(HDC dc, HENHMETAFILE metafile, const RECT& rect, DWORD fileBytes, std::atomic<DWORD>& stop);
