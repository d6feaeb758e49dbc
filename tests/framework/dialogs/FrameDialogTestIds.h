#pragma once
// Test dialogs: a resizable one (status bar, splitter) with two pane texts,
// and a choice dialog.
#define IDD_STATUS_BAR_TEST   29410
#define IDC_STATUS_BAR_LIST   29411
#define ID_INDICATOR_MESSAGE  29412
#define ID_INDICATOR_COUNT    29413
#define IDD_CHOICE_TEST       29414
