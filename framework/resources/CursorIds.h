#pragma once
// Cursors of the framework's windows.
#define IDC_DRAG_SCROLL 1200    // while the content of a scrolling window is dragged
#define IDC_COLUMN_DIVIDER 1203 // over a column divider that can be dragged
