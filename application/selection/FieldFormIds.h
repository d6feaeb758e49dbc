#pragma once
// The run-time field form: its template of prototype controls and the ids
// that the field list gives the controls it copies from them.

#define IDD_FIELD_FORM 479
#define IDD_FIELD_PAGE_FIRST 469   // ten page templates, 469 to 478
#define IDD_FIELD_PAGE_COUNT 10

#define IDC_FIELD_CHECK 39355
#define IDC_FIELD_CHECK3 39356
#define IDC_FIELD_COMBO_SORTED 39357
#define IDC_FIELD_COMBO 39358
#define IDC_FIELD_DROPLIST_SORTED 39359
#define IDC_FIELD_DROPLIST 39360
#define IDC_FIELD_BUTTON 39353
#define IDC_FIELD_MENU_BUTTON 39354
#define IDC_FIELD_SPIN 39361
#define IDC_FIELD_WIDE_BUTTON 39362
#define IDC_FIELD_EDIT 39363
#define IDC_FIELD_MULTILINE 39364
#define IDC_FIELD_GROUP 39365
#define IDC_FIELD_RADIO 39366
#define IDC_FIELD_NARROW_BUTTON 39367
#define IDC_FIELD_LABEL 39368

#define IDC_FIELD_FIRST_CONTROL 39352   // created controls count up from here
#define IDC_FIELD_COMMAND_FIRST 39252   // commands of menu and button actions
#define IDC_FIELD_COMMAND_LAST 39351
