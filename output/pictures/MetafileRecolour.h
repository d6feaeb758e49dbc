#pragma once

#include "afx/app/AfxWin.h"

// Walks the records of a Windows metafile (the bytes from its METAHEADER on)
// and changes its colours: in a metafile drawn only in black, or black and
// white, black takes the ink colour when one is given; then every colour
// moves towards white by the lightening. A metafile that carries a bitmap is
// left as it is. The walk stops at a record smaller than three words or one
// that would pass the end, and every colour it touches lies inside its
// record. Answers whether the metafile is two-tone.
BOOL RecolourMetafile(BYTE* metafile, DWORD size, COLORREF ink, double lightening);
