#include "foundation/windows/Clipboard.h"

#include "afx/ole/OleDataSource.h"
#include "foundation/windows/Drawing.h"
#include "foundation/windows/GlobalBlocks.h"
#include "foundation/messages/MessageHook.h"
#include "foundation/system/SoundBeep.h"

#include <string.h>

void CopyTextToClipboard(HWND owner, LPCTSTR text)
{
    if (text == NULL)
        return;
    HGLOBAL block = NewGlobalBlock(text, (DWORD)strlen(text) + 1);
    if (block == NULL)
    {
        // Without this the user would believe the text had been copied.
        ShowFoundationError("Unable to copy to clipboard");
        return;
    }
    PutOnClipboard(owner, block, CF_TEXT);
}

// The clipboard is closed before a failure is shown, so that no other program
// waits on it while the message is open.
void PutOnClipboard(HWND owner, HGLOBAL block, UINT format)
{
    if (block == NULL)
        return;
    if (!::OpenClipboard(owner))
    {
        ShowFoundationError("Unable to open Clipboard");
        ::GlobalFree(block);
        return;
    }
    if (!::EmptyClipboard())
    {
        ::GlobalFree(block);
        ::CloseClipboard();
        ShowFoundationError("Unable to empty Clipboard");
        return;
    }
    if (::SetClipboardData(format, block) == NULL)
    {
        ::GlobalFree(block);
        ::CloseClipboard();
        ShowFoundationError("Unable to copy to clipboard");
        return;
    }
    ::CloseClipboard();
}

int CacheTextInDataSource(COleDataSource* source, LPCTSTR text, UINT format)
{
    if (text == NULL || text[0] == '\0')
        return 0;
    size_t size = strlen(text) + 1;
    HGLOBAL block = ::GlobalAlloc(GMEM_ZEROINIT, size);
    if (block == NULL)
    {
        SoundBeep();
        return 0;
    }
    void* bytes = ::GlobalLock(block);
    if (bytes == NULL)
    {
        SoundBeep();
        ::GlobalFree(block);
        return 0;
    }
    memcpy(bytes, text, size);
    ::GlobalUnlock(block);
    source->CacheGlobalData((CLIPFORMAT)format, block, NULL);
    return 1;
}

BOOL SetClipboardFromDataSource(COleDataSource* source)
{
    try
    {
        source->SetClipboard();
    }
    catch (CException* exception)
    {
        exception->Delete();
        return FALSE;
    }
    return TRUE;
}
