#pragma once
// Print-option controls that a printable dialog's template may hold.
#define IDC_PRINT_COPIES        40015
#define IDC_PRINT_PAGE_NUMBERS  40016
#define IDC_PRINT_DATE_TIME     40017
#define IDC_PRINT_CONFIGURATION 40198
#define IDC_PRINT_PRINTER       40196
#define IDC_PRINT_TRAY          40193
#define IDC_PRINT_PAPER         40194
#define IDC_PRINT_UNUSED        40195
