#pragma once
// Template and items of the Select Region dialog.
#define IDD_SELECT_REGION 575
#define IDC_SELECT_REGION_ONLY 40110
#define IDC_SELECT_REGION_ALL 40111
