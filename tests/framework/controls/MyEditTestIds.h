#pragma once
// A test dialog of edit fields to drag text between.
#define IDD_EDIT_DRAG_TEST   29440
#define IDC_EDIT_SOURCE      29441
#define IDC_EDIT_TARGET      29442
#define IDC_EDIT_READ_ONLY   29443
#define IDC_EDIT_PASSWORD    29444
#define ID_EDIT_MENU_COPY    29445
#define ID_EDIT_MENU_ERASE   29446
