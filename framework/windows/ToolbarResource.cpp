#include "framework/windows/ToolbarResource.h"

#include "afx/windows/ToolBar.h"

BOOL LoadToolbarCommandIds(CUIntArray& ids, LPCTSTR resourceName, BOOL skipSeparators)
{
    return CToolBar::ReadToolBarResource(resourceName, ids, skipSeparators);
}
