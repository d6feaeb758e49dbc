#pragma once
// A device-independent bitmap filled from a printed page, saved as a BMP,
// JPEG or PNG file.
#include "afx/app/AfxWin.h"
#include "output/printing/ImageStream.h"

enum ImageFormat
{
    IMAGE_BMP = 0,
    IMAGE_JPEG = 1,
    IMAGE_PNG = 2,
    IMAGE_ICO = 3
};

class CDibImage
{
public:
    explicit CDibImage(int format);
    virtual ~CDibImage();
    CDibImage(const CDibImage&) = delete;
    CDibImage& operator=(const CDibImage&) = delete;

    void SetXDpi(int dpi);
    void SetYDpi(int dpi);
    // A blank image; bit counts are rounded to 1, 4, 8 or 24. The pixels,
    // or null when there is no memory.
    BYTE* Create(int width, int height, int bitCount, int format);
    BOOL CreateFromBitmap(HBITMAP bitmap);
    void BorrowFrom(const CDibImage& other);
    BOOL SaveToFile(LPCTSTR path, int format);
    BOOL Encode(CImageStream* stream, int format);

    int GetWidth() const { return m_header.biWidth; }
    int GetHeight() const { return m_header.biHeight; }
    int GetBitCount() const { return m_header.biBitCount; }
    int GetColourCount() const { return (int)m_header.biClrUsed; }
    int GetRowWidth() const { return m_rowWidth; }
    DWORD GetSize() const { return 40 + 4 * m_header.biClrUsed + m_header.biSizeImage; }
    // Stored rows run bottom-up: row 0 is the picture's bottom row.
    BYTE* GetRow(int storedRow) const { return m_pixels + (size_t)storedRow * m_rowWidth; }
    RGBQUAD* GetPalette() const;
    RGBQUAD GetPaletteColour(int index) const;
    void SetPaletteColour(int index, RGBQUAD colour);
    int GetPixelIndex(int x, int y) const;
    void SetPixelIndex(int x, int y, int index);
    // Blue, green, red of the pixel at x in stored row y.
    RGBQUAD GetPixelColour(int x, int y) const;
    BOOL IsInside(int x, int y) const { return x >= 0 && y >= 0 && x < GetWidth() && y < GetHeight(); }
    BOOL IsGrayScale() const;
    RGBQUAD GetTransparentColour() const;
    const char* GetLastError() const { return m_lastError; }
    void SetLastError(const char* text);

    int m_transparentIndex;
    RGBQUAD m_transparentColour;
    BYTE m_jpegQuality;
    int m_xDpi;
    int m_yDpi;

private:
    BOOL EncodeBmp(CImageStream* stream);
    BOOL EncodeJpeg(CImageStream* stream);
    BOOL EncodePng(CImageStream* stream);
    BOOL EncodeIco(CImageStream* stream);
    void Free();

    BYTE* m_block;
    BITMAPINFOHEADER m_header;
    int m_rowWidth;
    BYTE* m_pixels;
    const CDibImage* m_borrowedFrom;
    int m_format;
    BYTE m_colourType; // 1 palette, 2 true colour
    char m_lastError[256];
};
