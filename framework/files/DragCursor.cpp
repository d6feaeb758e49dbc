#include "framework/files/DragCursor.h"

#include <map>

HCURSOR LoadDragCursor(UINT id)
{
    static std::map<UINT, HCURSOR> s_cursors;
    auto known = s_cursors.find(id);
    if (known != s_cursors.end())
        return known->second;
    HCURSOR cursor = NULL;
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    HGLOBAL loaded = found != NULL ? ::LoadResource(module, found) : NULL;
    BYTE* image = loaded != NULL ? (BYTE*)::LockResource(loaded) : NULL;
    if (image != NULL)
        cursor = (HCURSOR)::CreateIconFromResourceEx(image, ::SizeofResource(module, found), FALSE, 0x00030000, 32,
                                                     32, LR_DEFAULTCOLOR);
    s_cursors[id] = cursor;
    return cursor;
}
