#pragma once
// The main dialog's template and controls.
#define IDD_GENETICS_MAIN 842

#define IDC_MAIN_FEMALE_SELECT     41431
#define IDC_MAIN_MALE_SELECT       41432
#define IDC_MAIN_FEMALE_GENOTYPE   41435
#define IDC_MAIN_MALE_GENOTYPE     41436
#define IDC_MAIN_PREDICT           41438
#define IDC_MAIN_FEMALE_PHENOTYPE  41439
#define IDC_MAIN_MALE_PHENOTYPE    41440
#define IDC_MAIN_NOTES             41443
#define IDC_MAIN_CONFIGURE         41444
#define IDC_MAIN_SHOW_ASSUMED      41445
#define IDC_MAIN_HELP              57670

// The About entry of the system menu.
#define IDM_ABOUT_BOX 16


