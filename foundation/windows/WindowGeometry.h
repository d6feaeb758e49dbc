#pragma once

#include "afx/app/AfxWin.h"

CRect GetWindowRectInParent(CWnd* child);
CRect DeflateRectByGroupBoxMargins(const RECT& rect);
// The rectangle less the frame that a tab control draws around its page.
CRect DeflateRectByTabMargins(const RECT& rect);

// (vertical bar width, horizontal bar height) that the window's own bars take.
CSize GetScrollBarSizes(CWnd* wnd);
CSize GetTrueClientSize(CWnd* wnd);

// Radio-button groups: from the first button up to the next WS_GROUP sibling.
int GetCheckedRadioIndex(CWnd* first);
void CheckRadioByIndex(CWnd* first, int index);
