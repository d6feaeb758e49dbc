#pragma once
// Template and items of the "Starting Row and Column" dialog.
#define IDD_STARTING_LABEL 554
#define IDC_STARTING_ROW_LABEL 39811
#define IDC_STARTING_COLUMN_LABEL 39812
#define IDC_STARTING_COLUMN 39813
#define IDC_STARTING_ROW 39814
