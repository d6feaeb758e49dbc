#include "output/pictures/PictureCache.h"

#include "output/pictures/CachedPicture.h"
#include "output/pictures/Picture.h"

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace
{
// One slot: the picture and what it was loaded from.
struct Slot
{
    std::unique_ptr<CPicture> picture;
    CString name;
    DWORD size = 0;
    int firstValue = 0;
    BOOL secondValue = FALSE;
    int xResolution = 0;
    int yResolution = 0;
    double scale = 1.0;
    int thirdValue = 0;
    COLORREF inkColour = 0;
    double lightening = 0.0;
    BOOL makeMask = FALSE;
    int references = 0;
};

std::vector<Slot> slots;
DWORD total = 0;
DWORD limit = 8u << 20;
int loads = 0;

bool Matches(const Slot& slot, LPCTSTR path, const PictureLoadOptions& options)
{
    if (!slot.picture || slot.name.CompareNoCase(path) != 0 || std::fabs(slot.scale - options.scale) > 0.0005)
        return false;
    if (slot.picture->IsBitmap() &&
        (slot.firstValue != options.values[0] || (slot.secondValue != 0) != (options.values[1] != 0) ||
         slot.xResolution != options.xResolution || slot.yResolution != options.yResolution ||
         slot.thirdValue != options.values[2] || (slot.makeMask != 0) != (options.makeMask != 0)))
        return false;
    if (slot.picture->IsTwoTone() && slot.inkColour != options.inkColour)
        return false;
    if (slot.picture->TakesLightening() && std::fabs(slot.lightening - options.lightening) > 0.005)
        return false;
    return true;
}

void Empty(Slot& slot)
{
    total -= slot.size;
    slot = Slot();
}

void Trim()
{
    if (total < limit)
        return;
    for (Slot& slot : slots)
        if (slot.picture && slot.references < 1)
            Empty(slot);
}

int FindSlot(LPCTSTR path, const PictureLoadOptions& options, int& candidate)
{
    candidate = -1;
    for (int i = 0; i < (int)slots.size(); ++i)
    {
        if (Matches(slots[i], path, options))
            return i;
        if (candidate < 0 && (!slots[i].picture || slots[i].references == 0))
            candidate = i;
    }
    return -1;
}

int Store(std::unique_ptr<CPicture> picture, LPCTSTR path, const PictureLoadOptions& options)
{
    int index = 0;
    while (index < (int)slots.size() && slots[index].picture)
        ++index;
    if (index == (int)slots.size())
        slots.emplace_back();
    Slot& slot = slots[index];
    slot.size = picture->GetMemorySize();
    slot.picture = std::move(picture);
    slot.name = path;
    slot.firstValue = options.values[0];
    slot.secondValue = options.values[1] != 0;
    slot.xResolution = options.xResolution;
    slot.yResolution = options.yResolution;
    slot.scale = options.scale;
    slot.thirdValue = options.values[2];
    slot.inkColour = options.inkColour;
    slot.lightening = options.lightening;
    slot.makeMask = options.makeMask;
    slot.references = 1;
    total += slot.size;
    return index;
}
}

void InitPictureCache(DWORD physicalMemoryMB)
{
    DWORD megabytes = physicalMemoryMB / 4;
    if (megabytes < 9)
        megabytes = 8;
    limit = megabytes << 20;
}

void FreePictureCache()
{
    slots.clear();
    slots.shrink_to_fit();
    total = 0;
}

DWORD GetPictureCacheLimit()
{
    return limit;
}

DWORD GetPictureCacheTotal()
{
    return total;
}

int GetPictureCacheSlotCount()
{
    return (int)slots.size();
}

int GetPictureCacheReferenceCount(int slot)
{
    return slot >= 0 && slot < (int)slots.size() ? slots[slot].references : 0;
}

int GetPictureCacheLoadCount()
{
    return loads;
}

CCachedPicture::CCachedPicture(const CCachedPicture& other) : m_nSlot(-1)
{
    *this = other;
}

CCachedPicture& CCachedPicture::operator=(const CCachedPicture& other)
{
    if (&other == this)
        return *this;
    Release();
    m_nSlot = other.m_nSlot;
    if (m_nSlot >= 0)
        ++slots[m_nSlot].references;
    return *this;
}

BOOL CCachedPicture::Load(LPCTSTR path, PictureLoadOptions options)
{
    if (path == NULL || *path == '\0')
        return FALSE;
    int candidate;
    int found = FindSlot(path, options, candidate);
    if (found >= 0)
    {
        if (slots[found].references == 0 && candidate >= 0 && candidate != found)
        {
            std::swap(slots[found], slots[candidate]);
            found = candidate;
        }
        ++slots[found].references;
        m_nSlot = found;
        return TRUE;
    }
    Trim();
    std::unique_ptr<CPicture> picture(new CPicture);
    if (!picture->Load(path, options))
        return FALSE;
    ++loads;
    int index = Store(std::move(picture), path, options);
    if (candidate >= 0 && candidate != index)
    {
        std::swap(slots[index], slots[candidate]);
        index = candidate;
    }
    m_nSlot = index;
    Trim();
    return TRUE;
}

CPicture* CCachedPicture::GetPicture() const
{
    return m_nSlot >= 0 && m_nSlot < (int)slots.size() ? slots[m_nSlot].picture.get() : NULL;
}

void CCachedPicture::Release()
{
    if (m_nSlot < 0)
        return;
    int slot = m_nSlot;
    m_nSlot = -1;
    if (slot >= (int)slots.size())
        return;
    if (--slots[slot].references < 1 && total >= limit)
        Empty(slots[slot]);
}
