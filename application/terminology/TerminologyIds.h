#pragma once
// Template and controls of the terminology dialog.
#define IDD_TERMINOLOGY 624

#define IDC_TERM_COMMENTS 40103
#define IDC_TERM_DEFAULT 40104
#define IDC_TERM_LIST 40105
#define IDC_TERM_NAME 40106
#define IDC_TERM_RESET 40107
#define IDC_TERM_RESET_ALL 40108
#define IDC_TERM_SAVE_WITH_DATABASE 40109
#define IDC_TERM_VALUE 40110
#define IDC_TERM_HELP 57670
