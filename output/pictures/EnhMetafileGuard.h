#pragma once

#include "afx/app/AfxWin.h"

class CPlayStops;

// Plays an enhanced metafile (a sound one: see IsEnhMetafileSound) into
// 'rect' a record at a time, as PlayEnhMetaFile would, up to its end record;
// a record that the player would take too long over is skipped, and the
// rest of the records once the draw's time is spent (CPlayGuard). 'stops'
// are the picture's records where draws ran out.
BOOL PlayEnhMetafileGuarded(HDC dc, HENHMETAFILE metafile, const RECT& rect, DWORD fileBytes, CPlayStops& stops);
