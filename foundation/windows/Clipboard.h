#pragma once

#include "afx/core/AfxCore.h"

class COleDataSource;

// Puts a text on the clipboard as CF_TEXT, byte for byte. Failures are shown.
void CopyTextToClipboard(HWND owner, LPCTSTR text);

// Hands a global block to the clipboard, which then owns it; on failure the
// block is freed and the failure shown.
void PutOnClipboard(HWND owner, HGLOBAL block, UINT format);

// Caches a copy of the text with its zero in the data source under the format.
// 0 (after a beep) when memory fails, and for a null or empty text.
int CacheTextInDataSource(COleDataSource* source, LPCTSTR text, UINT format);

// Hands the source to the OLE clipboard, which owns it from then on. FALSE
// when the framework raised an exception; the caller words the failure.
BOOL SetClipboardFromDataSource(COleDataSource* source);
