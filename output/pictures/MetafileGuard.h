#pragma once

#include "afx/app/AfxWin.h"

class CPlayStops;

// Plays a Windows metafile (a sound one: see IsMetafileSound) into the DC as
// it is mapped, a record at a time, as PlayMetaFile would; a record that the
// player would take too long over, or that it crashes on, is skipped, and
// the rest of the records once the draw's time is spent (CPlayGuard).
// 'stops' are the picture's records where draws ran out.
BOOL PlayMetafileGuarded(HDC dc, HMETAFILE metafile, DWORD fileBytes, CPlayStops& stops);
