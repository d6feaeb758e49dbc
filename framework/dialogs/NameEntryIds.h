#pragma once
// Templates and items of the name-entry dialog. The templates differ only in
// size and arrangement.
#define IDD_NAME_ENTRY_UNDER     496   // the edit under a one-line message
#define IDD_NAME_ENTRY_BESIDE    497   // the edit beside a short label
#define IDD_NAME_ENTRY           498   // named objects
#define IDD_NAME_ENTRY_WIDE      499   // a wide edit under a longer message
#define IDC_NAME_ENTRY_LABEL     39519
#define IDC_NAME_ENTRY_EDIT      39520
#define IDS_EMPTY_NAME_ERROR     2008
