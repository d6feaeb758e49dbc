#pragma once
// Controls of the "Printing" dialog.
#define IDC_PRINT_JOB_TITLE 40010
#define IDC_PRINT_COUNT 40011
#define IDC_PRINT_PRINTER 40012
#define IDC_PRINT_PROGRESS 40014
