#pragma once
// Cursors of the folder tree while a folder is dragged.
#define IDC_TREE_DRAG_COPY 1204    // a copy may be dropped here
#define IDC_TREE_DRAG_NO_COPY 1205 // a copy may not be dropped here
#define IDC_TREE_DRAG_NO_MOVE 1206 // a move may not be dropped here
