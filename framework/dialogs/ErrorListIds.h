#pragma once
// The error and warning list dialogs: with OK or with Yes and No, titled
// for errors and warnings or for warnings alone.
#define IDD_ERROR_LIST           485
#define IDD_ERROR_LIST_YES_NO    486
#define IDD_WARNING_LIST         487
#define IDD_WARNING_LIST_YES_NO  488
#define IDC_ERROR_LIST_COPY      39424
#define IDC_ERROR_LIST           39425
#define IDC_ERROR_LIST_NO        39426
#define IDC_ERROR_LIST_PRINT     39427
#define IDC_ERROR_LIST_MESSAGE   39428
#define IDC_ERROR_LIST_YES       39429
// The framework's help command.
#ifndef ID_HELP
#define ID_HELP 0xE146
#endif
