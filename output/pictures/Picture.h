#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/DibPicture.h"
#include "output/pictures/EnhMetafilePicture.h"
#include "output/pictures/MetafilePicture.h"
#include "output/pictures/PictureLoadOptions.h"

class CByteBuffer;

// The one picture type of the program: a bitmap (BMP or JPEG), a placeable
// Windows metafile or an enhanced metafile, recognised by content, or any of
// them sealed in a vector picture file (".vqf").
class CPicture : public CObject
{
public:
    void Clear();
    BOOL HasPicture() const;

    BOOL Load(LPCTSTR path, PictureLoadOptions options);
    BOOL LoadFromMemory(const CByteBuffer& data, PictureLoadOptions options);
    BOOL LoadFromMemory(const BYTE* data, DWORD size, PictureLoadOptions options);
    // The program's own logo, a placeable metafile.
    BOOL LoadBuiltInLogo();

    BOOL Draw(CDC* dc, const RECT& dest, const RECT& clip, POINT origin);
    // Places a box of the size (with 'fit': the largest box of the size's
    // proportions inside the area) at the placement in the area and draws
    // the picture into it; tiling 1 repeats it in whole tiles only, 2 in all
    // tiles that meet the area. Each tile moves by the tile offset.
    BOOL DrawInRect(CDC* dc, const RECT& area, const RECT& clip, POINT origin, SIZE size, int placement, int tiling,
                    BOOL fit, POINT tileOffset);

    CSize GetScaledSize(double sx, double sy) const;
    double GetWidthInInches() const;
    double GetHeightInInches() const;
    CPalette* GetPalette();
    // Realises the palette in a client DC of the window (repainting it when
    // entries changed) or in the DC; the entries changed, -1 without a
    // palette.
    int RealizePalette(CWnd* wnd, BOOL foreground);
    int RealizePalette(CDC* dc, BOOL foreground);
    DWORD GetMemorySize() const;
    BOOL IsBitmap() const { return m_dib.IsLoaded(); }
    BOOL IsTwoTone() const;
    BOOL TakesLightening() const { return m_dib.IsLoaded() || m_metafile.IsLoaded(); }
    CString Describe() const;

    CDibPicture& GetDib() { return m_dib; }

private:
    CMetafilePicture m_metafile;
    CEnhMetafilePicture m_enhMetafile;
    CDibPicture m_dib;
};

// TRUE when the file name's extension (after its last '.') is "vqf" in any
// case: such a file is a sealed vector picture.
BOOL IsSealedPictureName(LPCTSTR path);

// What Describe says of a bitmap of so many bits per pixel, or of a vector
// picture.
CString DescribePictureKind(BOOL bitmap, int bitCount);
