#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/DrawingMemory.h"
#include "output/pictures/EnhRecordFields.h"

class CDrawingState;

// What an enhanced metafile's record of the given type makes the player
// hold (RecordMemory), judged with the DC's state as it is before the
// record: bitmaps by their declared size, regions by their rectangles and
// the clip region they combine with or save, glyphs new to the draw.
RecordMemory EnhRecordMemory(HDC dc, CDrawingState& drawing, CDrawingMemory& memory, const EnhRecordFields& r,
                             DWORD type);
