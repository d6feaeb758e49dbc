#pragma once
// Template and items of the Select Picture dialog.
#define IDD_SELECT_PICTURE 645
#define IDC_SELECT_PICTURE_HELP 57670
