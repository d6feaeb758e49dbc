#pragma once
// Items of a choice dialog's template.
#define IDC_CHOICE_FIRST    40029   // the first radio button of the group
#define IDC_CHOICE_HEADING  40030
