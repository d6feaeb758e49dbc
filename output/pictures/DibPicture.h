#pragma once

#include "afx/app/AfxWin.h"
#include "output/pictures/PictureLoadOptions.h"

#include <vfw.h>

class CByteBuffer;

// One device-independent bitmap held as a DIB section, with a copy of its
// header and colour table, a palette and an optional transparency mask;
// loads JPEG and BMP data and draws scaled and clipped into any DC.
class CDibPicture : public CGdiObject
{
public:
    CDibPicture();
    virtual ~CDibPicture();

    void Clear();
    BOOL LoadFile(LPCTSTR path, PictureLoadOptions options);
    BOOL LoadFromMemory(const CByteBuffer& data, PictureLoadOptions options);
    BOOL LoadFromMemory(const BYTE* data, DWORD size, PictureLoadOptions options);
    // Takes ownership of a DIB section; 'bits' (its pixels) allow the colours
    // to be changed by the ink colour and lightening.
    BOOL Attach(HBITMAP section, COLORREF ink, BYTE* bits, double lightening, BOOL makeMask);

    // Flags: DrawAllowDrawDib, DrawForegroundPalette. A null source is the
    // whole bitmap, a null palette the picture's own.
    BOOL Draw(CDC* dc, const RECT& dest, const RECT& clip, POINT origin, UINT flags, const RECT* source,
              CPalette* palette);
    enum
    {
        DrawAllowDrawDib = 1,
        DrawForegroundPalette = 2
    };

    CSize GetScaledSize(double sx, double sy) const;
    double GetWidthInInches() const;
    double GetHeightInInches() const;
    CString Describe() const;
    // Bits per pixel of the stored header; 0 when nothing is loaded.
    int GetBitCount() const;

    BOOL GetColourTable(RGBQUAD* entries, int count) const;
    BOOL SetColourTable(const RGBQUAD* entries, int count);

    BOOL IsLoaded() const { return m_hObject != NULL; }
    const BITMAP& GetBitmapRecord() const { return m_bitmap; }
    int GetColourCount() const { return m_nColours; }
    const RGBQUAD* GetColours() const { return m_pColourTable; }
    DWORD GetMemorySize() const { return m_nMemorySize; }
    CPalette* GetPalette() { return m_palette.m_hObject != NULL ? &m_palette : NULL; }
    BOOL HasMask() const { return m_bHasMask; }

private:
    BOOL LoadBmp(const BYTE* data, DWORD size, PictureLoadOptions options);
    BOOL AttachColourTable(const DIBSECTION& section, COLORREF ink, BYTE* bits, double lightening);
    void LightenPixels(double lightening);
    void MakeMask();
    void KeepOptions(const PictureLoadOptions& options);

    BITMAP m_bitmap;
    CPalette m_palette;
    HDRAWDIB m_hDrawDib;
    BYTE* m_pHeader;
    RGBQUAD* m_pColourTable;
    int m_nColours;
    DWORD m_nMemorySize;
    int m_xResolution;
    int m_yResolution;
    double m_scale;
    CBitmap m_mask;
    BOOL m_bHasMask;
    COLORREF m_maskInk;
};

// "full colour bitmap", "256 colour bitmap", "monochrome bitmap" ... for a
// bitmap of so many bits per pixel, with the terms of the colour word.
CString DescribeBitmapDepth(int bits);
