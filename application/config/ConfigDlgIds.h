#pragma once
// The configuration selection dialog's template and controls.
#define IDD_GENETICS_CONFIG 843

#define IDC_CONFIG_COMMENTS 41429
#define IDC_CONFIG_LIST     41430
#define IDC_CONFIG_VERSION  41433
#define IDC_CONFIG_HELP     57670
