#pragma once

#include "afx/app/AfxWin.h"

// Selects every item of a multiple-selection list box ("Select All"); a
// single-selection list is left as it is.
int SelectAllListItems(CListBox* listBox);
