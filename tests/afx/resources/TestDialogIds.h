#pragma once
// A dialog template compiled from the afx tests' own resource script.
#define IDD_TEST_RESOURCE_DIALOG 9001
#define IDC_TEST_RESOURCE_LABEL 9002
#define IDC_TEST_RESOURCE_EDIT 9003
