#pragma once

#include "afx/AfxCore.h"

// Puts a text on the clipboard as CF_TEXT, byte for byte. Failures are shown.
void CopyTextToClipboard(HWND owner, LPCTSTR text);

// Hands a global block to the clipboard, which then owns it; on failure the
// block is freed and the failure shown.
void PutOnClipboard(HWND owner, HGLOBAL block, UINT format);
