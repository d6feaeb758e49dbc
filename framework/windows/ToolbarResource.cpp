#include "framework/windows/ToolbarResource.h"

namespace
{
    const LPCSTR toolbarResourceType = MAKEINTRESOURCEA(241);

    // version, bitmap width, bitmap height, item count, then the items
    const int headerWords = 4;
}

BOOL LoadToolbarCommandIds(CUIntArray& ids, LPCTSTR resourceName, BOOL skipSeparators)
{
    ids.RemoveAll();
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC resource = ::FindResourceA(module, resourceName, toolbarResourceType);
    if (resource == NULL)
        return FALSE;
    HGLOBAL loaded = ::LoadResource(module, resource);
    const WORD* words = loaded != NULL ? (const WORD*)::LockResource(loaded) : NULL;
    DWORD size = ::SizeofResource(module, resource);
    if (words == NULL || size < headerWords * sizeof(WORD) || words[0] != 1)
        return FALSE;
    // A damaged count never reads past the resource.
    DWORD count = words[3];
    DWORD available = size / sizeof(WORD) - headerWords;
    if (count > available)
        count = available;
    for (DWORD i = 0; i < count; ++i)
    {
        WORD id = words[headerWords + i];
        if (id != 0 || !skipSeparators)
            ids.Add(id);
    }
    return TRUE;
}
