#pragma once
// Test dialogs: a dialog with one field, and an enlarged editor for it.
#define IDD_ZOOM_HOST_TEST   29420
#define IDC_ZOOM_HOST_FIELD  29421
#define IDD_ZOOM_EDIT_TEST   29422
