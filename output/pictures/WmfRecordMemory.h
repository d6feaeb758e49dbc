#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/DrawingMemory.h"

class CDrawingState;

// What a Windows metafile's record makes the player hold (RecordMemory),
// judged with the DC's state as it is before the record and the objects
// the player has made: bitmaps by their declared size, regions by their
// rectangles and the clip region they combine with or save, glyphs new to
// the draw. The load check has found all that is read inside the record.
RecordMemory WmfRecordMemory(HDC dc, CDrawingState& drawing, CDrawingMemory& memory, const METARECORD& record,
                             const HANDLETABLE& table, int objects);
