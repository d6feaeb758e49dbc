#pragma once
// Template and items of the name-entry dialog.
#define IDD_NAME_ENTRY           498
#define IDC_NAME_ENTRY_LABEL     39519
#define IDC_NAME_ENTRY_EDIT      39520
#define IDS_EMPTY_NAME_ERROR     2008
