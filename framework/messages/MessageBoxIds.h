#pragma once
// Templates, items and strings of the program's message box.
#define IDD_MESSAGE_BOX             570
#define IDD_MESSAGE_BOX_PROMPT      571
#define IDC_MSGBOX_MODEL_CANCEL     39916
#define IDC_MSGBOX_MODEL_OK         39917
#define IDC_MSGBOX_ICON             39918
#define IDC_MSGBOX_SEPARATOR        39919
#define IDC_MSGBOX_DONT_SHOW        39921
#define IDC_MSGBOX_TEXT             40454
#define IDS_DONT_SHOW_ERROR         2010
#define IDS_DONT_SHOW_MESSAGE       2011
#define IDS_DONT_ASK_QUESTION       2012

// Buttons beside the platform's IDOK..IDNO.
#define IDC_MSGBOX_ABORT_ALL        33197
#define IDC_MSGBOX_IGNORE_ALL       33198
#define IDC_MSGBOX_NO_TO_ALL        33199
#define IDC_MSGBOX_OK_TO_ALL        33200
#define IDC_MSGBOX_PRINT_INFO       33201
#define IDC_MSGBOX_RETRY_ALL        33202
#define IDC_MSGBOX_YES_TO_ALL       33203
