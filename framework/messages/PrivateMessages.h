#pragma once
// The program's own window messages, in one place so that no two share a
// number (the resource_ids check's private_messages test holds them to it).
#include <windows.h>

// To the parent of a CDoubleClickStatic after a double-click: wParam the
// mouse key flags, lParam the control's window.
const UINT WM_STATIC_DOUBLE_CLICK = WM_USER + 12;
// Posted to a CMyAutoSizeHeader itself after a column drag ends (wParam: the
// drag's end notification), so the list hears of it once the header is done.
const UINT WM_HEADER_TRACK_ENDED = WM_USER + 13;
// Posted by a pop-up to its owner once it has closed: a value was chosen (the
// two words carry it), or it closed without one (0, 0).
const UINT WM_POPUP_SELECTED = WM_USER + 14;
const UINT WM_POPUP_CANCELLED = WM_USER + 15;
// Lays a property sheet's active page out after a tab change or growth.
const UINT WM_LAYOUT_PAGE = WM_USER + 23;
// Posted by a file tree to itself when its window is attached: the first fill
// waits until the window is ready.
const UINT WM_FILE_TREE_FIRST_FILL = WM_USER + 30;
// Posted to a named-object properties button's dialog after the button changed
// or added an entry; wParam is the button's control id.
const UINT WM_NAMED_OBJECTS_CHANGED = WM_USER + 32;
// From an in-place editing control to its parent: wParam the key, lParam the
// control's window.
const UINT WM_CONTROL_KEY = WM_USER + 35;
// Posted by a CMyComboBox to itself to select the remembered text after a
// drop-down.
const UINT WM_SELECT_REMEMBERED_TEXT = WM_USER + 25;
// Posted to a field form to report its marked fields.
const UINT WM_FIELDS_CHANGED = WM_USER + 27;
// Posted by a printable dialog to itself once it is shown: set the printer up.
const UINT WM_SETUP_PRINTER = WM_USER + 28;
// Posted by the configuration dialog to itself once it shows: report the
// configurations that failed.
const UINT WM_REPORT_CONFIG_ERRORS = WM_USER + 29;
// Posted by the thumbnail workers to their grid when thumbnails are ready.
const UINT WM_THUMBNAILS_MADE = WM_APP + 0x135;
