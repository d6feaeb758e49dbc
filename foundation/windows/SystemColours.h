#pragma once

#include "afx/app/AfxWin.h"

// The current system colours, read once at start-up and again when they
// change, with one shared pen and brush per colour index made on first use.
void LoadSystemColours();
COLORREF GetSystemColour(int index);
int GetHighestSystemColourIndex();
CPen* GetSystemColourPen(int index);
CBrush* GetSystemColourBrush(int index);
void ReleaseSystemColourObjects();
