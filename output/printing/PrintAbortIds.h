#pragma once
// Templates and items of the "Printing" dialog.
#define IDD_PRINTING 586
#define IDD_PRINTING_LABELS 587
#define IDC_PRINTING_JOB_TITLE 40010
#define IDC_PRINTING_COUNT 40011
#define IDC_PRINTING_PRINTER 40012
#define IDC_PRINTING_PROGRESS 40014
