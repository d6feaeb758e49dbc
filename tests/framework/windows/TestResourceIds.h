#pragma once
// Resources of the framework tests alone.
#define IDR_TEST_TOOLBAR        3001
#define IDR_TEST_TOOLBAR_V2     3002
#define IDD_TEST_PROTOTYPES     3003
