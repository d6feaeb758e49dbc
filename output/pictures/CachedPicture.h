#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/PictureLoadOptions.h"

class CPicture;

// A counted reference to one slot of the global picture cache; -1 refers to
// nothing. Copies take a reference of their own; the destructor releases.
class CCachedPicture
{
public:
    CCachedPicture() : m_nSlot(-1) {}
    CCachedPicture(const CCachedPicture& other);
    CCachedPicture& operator=(const CCachedPicture& other);
    ~CCachedPicture() { Release(); }

    // Points the reference at a slot that holds the picture of the path
    // loaded with these options, loading it when no slot matches. A reference
    // already held is not released: release first or load into a fresh object.
    BOOL Load(LPCTSTR path, PictureLoadOptions options);
    CPicture* GetPicture() const;
    void Release();
    int GetSlot() const { return m_nSlot; }

private:
    int m_nSlot;
};
