#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/PictureLoadOptions.h"

class CPicture;

// One global cache of loaded pictures, so that the same file loaded with the
// same options is decoded once however many users show it. Unused pictures
// stay until all cached pictures together reach the limit; then every unused
// one is dropped at once.

// Sets the limit from the machine's physical memory: a quarter of it, at
// least 8 MB. Called once at start-up.
void InitPictureCache(DWORD physicalMemoryMB);
// Deletes every cached picture. Called once at exit.
void FreePictureCache();

// Inspection of the cache (tests, diagnostics).
DWORD GetPictureCacheLimit();
DWORD GetPictureCacheTotal();
int GetPictureCacheSlotCount();
int GetPictureCacheReferenceCount(int slot);
// Counts the pictures that the cache has decoded since start-up.
int GetPictureCacheLoadCount();
