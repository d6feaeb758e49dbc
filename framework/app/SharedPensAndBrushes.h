#pragma once
// The pens and brushes that the whole program shares: a solid black pen one
// unit wide, a null pen and a null brush made once at start-up, and the stock
// black and white brushes. Released at exit; without start-up each answers
// the stock object it stands for, so drawing code may use them at any time.
#include "afx/app/AfxWin.h"

HPEN SharedBlackPen();
HPEN SharedNullPen();
HBRUSH SharedNullBrush();
HBRUSH SharedBlackBrush();
HBRUSH SharedWhiteBrush();

void CreateSharedPensAndBrushes();
void DeleteSharedPensAndBrushes();
