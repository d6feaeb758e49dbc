#include "framework/menus/ToolbarImageCache.h"

int ToolbarImageCache::Find(UINT toolbarId) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (m_entries[i].toolbarId == toolbarId)
            return i;
    return -1;
}

int ToolbarImageCache::Add(UINT toolbarId, std::unique_ptr<CUIntArray> commandIds, std::unique_ptr<CImageList> images)
{
    m_entries.push_back(Entry{toolbarId, std::move(commandIds), std::move(images)});
    return GetCount() - 1;
}
