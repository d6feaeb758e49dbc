#pragma once
// Template and controls of the log window.
#define IDD_LOG_DIALOG      700
#define IDC_LOG_LIST        1000
#define ID_LOG_INTERRUPT    40115
