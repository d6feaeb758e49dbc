#pragma once
// A real OLE drag driven by synthetic mouse input.
#include "afx/app/AfxWin.h"
#include "afx/ole/OleDataSource.h"

#include <functional>

// The left button goes down at the press point (screen coordinates); while
// startDrag runs the drag loop, a thread timer moves the cursor to the drop
// point and lets the button go. A drag that never drops ends with Escape.
// TRUE when the drag ended before that.
BOOL RunMouseDrag(POINT press, POINT drop, const std::function<void()>& startDrag);
void PumpMessages();

// A data source offering the bytes as CF_TEXT in a block of exactly their
// length (no terminating zero), as a careless drop source offers text. The
// caller ends it with InternalRelease.
COleDataSource* NewUnterminatedTextSource(const char* bytes, size_t length);
