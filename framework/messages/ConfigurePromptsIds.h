#pragma once
// Template and items of the Configure Message Prompts dialog.
#define IDD_CONFIGURE_PROMPTS       569
#define IDC_PROMPT_SHOW             39909
#define IDC_PROMPT_DONT_SHOW        39910
#define IDC_PROMPT_ANSWERS          39911
#define IDC_PROMPT_GROUP            39912
#define IDC_PROMPT_LIST             39913
#define IDC_PROMPT_DESCRIPTION      39914
#define IDC_PROMPT_RESTORE_DEFAULTS 39915
