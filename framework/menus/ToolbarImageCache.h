#pragma once
// Image lists made from toolbar bitmaps: per toolbar its resource id, the
// command ids of its buttons (separators left out) and its images in the
// same order. The cache owns its lists.
#include "afx/app/AfxWin.h"

#include <memory>
#include <vector>

class ToolbarImageCache
{
public:
    ToolbarImageCache() {}
    ~ToolbarImageCache() { Clear(); }

    int GetCount() const { return (int)m_entries.size(); }
    // The position of the toolbar, or -1.
    int Find(UINT toolbarId) const;
    // Takes the lists; returns the new entry's position.
    int Add(UINT toolbarId, std::unique_ptr<CUIntArray> commandIds, std::unique_ptr<CImageList> images);
    const CUIntArray& GetCommandIds(int position) const { return *m_entries[position].commandIds; }
    CImageList* GetImageList(int position) const { return m_entries[position].images.get(); }
    void Clear() { m_entries.clear(); }

private:
    struct Entry
    {
        UINT toolbarId;
        std::unique_ptr<CUIntArray> commandIds;
        std::unique_ptr<CImageList> images;
    };
    std::vector<Entry> m_entries;

    ToolbarImageCache(const ToolbarImageCache&) = delete;
    ToolbarImageCache& operator=(const ToolbarImageCache&) = delete;
};
