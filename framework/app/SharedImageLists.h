#pragma once
// The two image lists of the small command pictures that menus, lists and
// trees share: the normal pictures and greyed ones for disabled items, both
// built once at start-up from one bitmap strip.
#include "afx/app/AfxWin.h"

struct CSharedImageLists
{
    CImageList m_normal;
    CImageList m_greyed;
    int m_imageWidth = 16;
    int m_imageHeight = 15;

    // Builds both lists from the strip (pictures of 16 x 15 pixels, mask
    // colour 0xFF00FF); FALSE when the bitmap is missing.
    BOOL Build(UINT bitmapId);
    void Release();
};

CSharedImageLists& GetSharedImageLists();
