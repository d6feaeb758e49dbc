#include "output/printing/DibImage.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "output/printing/DibRows.h"

CDibImage::CDibImage(int format)
    : m_transparentIndex(-1), m_jpegQuality(75), m_xDpi(72), m_yDpi(72), m_block(NULL), m_rowWidth(0),
      m_pixels(NULL), m_borrowedFrom(NULL), m_format(format), m_colourType(0)
{
    memset(&m_header, 0, sizeof(m_header));
    m_header.biSize = sizeof(BITMAPINFOHEADER);
    memset(&m_transparentColour, 0, sizeof(m_transparentColour));
    m_lastError[0] = '\0';
    SetXDpi(72);
    SetYDpi(72);
}

CDibImage::~CDibImage()
{
    Free();
}

void CDibImage::Free()
{
    if (m_borrowedFrom == NULL)
        free(m_block);
    m_block = NULL;
    m_pixels = NULL;
    m_borrowedFrom = NULL;
}

void CDibImage::SetXDpi(int dpi)
{
    m_xDpi = dpi;
    m_header.biXPelsPerMeter = (LONG)floor(dpi * 10000.0 / 254 + 0.5);
}

void CDibImage::SetYDpi(int dpi)
{
    m_yDpi = dpi;
    m_header.biYPelsPerMeter = (LONG)floor(dpi * 10000.0 / 254 + 0.5);
}

void CDibImage::SetLastError(const char* text)
{
    lstrcpynA(m_lastError, text != NULL ? text : "", sizeof(m_lastError));
}

BYTE* CDibImage::Create(int width, int height, int bitCount, int format)
{
    Free();
    if (width <= 0 || height <= 0 || width > 0x7FFF * 4 || height > 0x7FFF * 4)
        return NULL;
    int bits = bitCount <= 1 ? 1 : bitCount <= 4 ? 4 : bitCount <= 8 ? 8 : 24;
    int colours = bits == 24 ? 0 : 1 << bits;
    m_colourType = bits < 9 ? 1 : 2;
    m_format = format;
    m_header.biWidth = width;
    m_header.biHeight = height;
    m_header.biPlanes = 1;
    m_header.biBitCount = (WORD)bits;
    m_header.biCompression = BI_RGB;
    m_rowWidth = ((bits * width + 31) / 32) * 4;
    m_header.biSizeImage = (DWORD)m_rowWidth * height;
    m_header.biClrUsed = colours;
    m_header.biClrImportant = 0;
    m_block = (BYTE*)calloc(1, GetSize());
    if (m_block == NULL)
        return NULL;
    memcpy(m_block, &m_header, sizeof(m_header));
    m_pixels = m_block + sizeof(BITMAPINFOHEADER) + 4 * colours;
    return m_pixels;
}

BOOL CDibImage::CreateFromBitmap(HBITMAP bitmap)
{
    Free();
    if (bitmap == NULL)
        return FALSE;
    BITMAP info;
    if (::GetObjectA(bitmap, sizeof(info), &info) == 0)
        return FALSE;
    if (Create(info.bmWidth, info.bmHeight, info.bmBitsPixel * info.bmPlanes, m_format) == NULL)
    {
        SetLastError("Not enough memory for the page image");
        return FALSE;
    }
    HDC screen = ::GetDC(NULL);
    int rows = ::GetDIBits(screen, bitmap, 0, info.bmHeight, m_pixels, (BITMAPINFO*)m_block, DIB_RGB_COLORS);
    ::ReleaseDC(NULL, screen);
    // GetDIBits may rewrite the header; the image keeps its own.
    memcpy(m_block, &m_header, sizeof(m_header));
    if (rows != info.bmHeight)
    {
        SetLastError("GetDIBits failed");
        return FALSE;
    }
    return TRUE;
}

void CDibImage::BorrowFrom(const CDibImage& other)
{
    Free();
    m_header = other.m_header;
    m_rowWidth = other.m_rowWidth;
    m_colourType = other.m_colourType;
    m_block = other.m_block;
    m_pixels = other.m_pixels;
    m_transparentIndex = other.m_transparentIndex;
    m_transparentColour = other.m_transparentColour;
    m_jpegQuality = other.m_jpegQuality;
    m_xDpi = other.m_xDpi;
    m_yDpi = other.m_yDpi;
    m_borrowedFrom = &other;
}

BOOL CDibImage::SaveToFile(LPCTSTR path, int format)
{
    FILE* file = fopen(path, "wb");
    if (file == NULL)
        return FALSE;
    CImageStream stream(file);
    BOOL saved = Encode(&stream, format);
    // A file that cannot be completed is not saved.
    if (fclose(file) != 0)
        saved = FALSE;
    return saved;
}

BOOL CDibImage::Encode(CImageStream* stream, int format)
{
    if (m_pixels == NULL)
    {
        SetLastError("No image to save");
        return FALSE;
    }
    if (format != IMAGE_BMP && format != IMAGE_JPEG && format != IMAGE_PNG && format != IMAGE_ICO)
    {
        SetLastError("Unsupported operation for this format");
        return FALSE;
    }
    CDibImage temporary(format);
    temporary.BorrowFrom(*this);
    BOOL result = format == IMAGE_BMP    ? temporary.EncodeBmp(stream)
                  : format == IMAGE_JPEG ? temporary.EncodeJpeg(stream)
                  : format == IMAGE_PNG  ? temporary.EncodePng(stream)
                                         : temporary.EncodeIco(stream);
    if (!result)
        SetLastError(temporary.m_lastError);
    return result;
}

RGBQUAD* CDibImage::GetPalette() const
{
    if (m_block == NULL || m_header.biClrUsed == 0)
        return NULL;
    return (RGBQUAD*)(m_block + sizeof(BITMAPINFOHEADER));
}

RGBQUAD CDibImage::GetPaletteColour(int index) const
{
    RGBQUAD colour = {0, 0, 0, 0};
    RGBQUAD* palette = GetPalette();
    if (palette != NULL && index >= 0 && index < (int)m_header.biClrUsed)
        colour = palette[index];
    return colour;
}

void CDibImage::SetPaletteColour(int index, RGBQUAD colour)
{
    RGBQUAD* palette = GetPalette();
    if (palette != NULL && index >= 0 && index < (int)m_header.biClrUsed)
        palette[index] = colour;
}

int CDibImage::GetPixelIndex(int x, int y) const
{
    if (!IsInside(x, y) || m_pixels == NULL || GetBitCount() > 8)
        return m_transparentIndex >= 0 ? m_transparentIndex : 0;
    const BYTE* row = GetRow(y);
    switch (GetBitCount())
    {
    case 8: return row[x];
    case 4: return (x & 1) == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
    default: return (row[x / 8] >> (7 - x % 8)) & 1;
    }
}

void CDibImage::SetPixelIndex(int x, int y, int index)
{
    if (!IsInside(x, y) || m_pixels == NULL || GetBitCount() > 8)
        return;
    BYTE* row = GetRow(y);
    switch (GetBitCount())
    {
    case 8: row[x] = (BYTE)index; break;
    case 4:
        if ((x & 1) == 0)
            row[x / 2] = (BYTE)((row[x / 2] & 0x0F) | ((index & 0x0F) << 4));
        else
            row[x / 2] = (BYTE)((row[x / 2] & 0xF0) | (index & 0x0F));
        break;
    default:
    {
        BYTE bit = (BYTE)(1 << (7 - x % 8));
        row[x / 8] = (BYTE)((index & 1) ? row[x / 8] | bit : row[x / 8] & ~bit);
    }
    }
}

RGBQUAD CDibImage::GetPixelColour(int x, int y) const
{
    if (!IsInside(x, y) || m_pixels == NULL)
        return GetTransparentColour();
    if (GetBitCount() == 24)
    {
        const BYTE* pixel = GetRow(y) + 3 * x;
        RGBQUAD colour = {pixel[0], pixel[1], pixel[2], 0};
        return colour;
    }
    return GetPaletteColour(GetPixelIndex(x, y));
}

BOOL CDibImage::IsGrayScale() const
{
    RGBQUAD* palette = GetPalette();
    if (palette == NULL || m_colourType != 1)
        return FALSE;
    for (int i = 0; i < (int)m_header.biClrUsed; ++i)
        if (palette[i].rgbBlue != i || palette[i].rgbGreen != i || palette[i].rgbRed != i)
            return FALSE;
    return TRUE;
}

RGBQUAD CDibImage::GetTransparentColour() const
{
    if (m_colourType == 1 && m_transparentIndex >= 0)
        return GetPaletteColour(m_transparentIndex);
    return m_transparentColour;
}

BOOL CDibImage::EncodeBmp(CImageStream* stream)
{
    if (stream == NULL)
        return FALSE;
    memcpy(m_block, &m_header, sizeof(m_header));
    BYTE fileHeader[14];
    DWORD size = GetSize() + 14;
    DWORD offset = 40 + 4 * m_header.biClrUsed + 14;
    fileHeader[0] = 'B';
    fileHeader[1] = 'M';
    memcpy(fileHeader + 2, &size, 4);
    memset(fileHeader + 6, 0, 4);
    memcpy(fileHeader + 10, &offset, 4);
    if (stream->Write(fileHeader, 14, 1) != 1 || stream->Write(m_block, GetSize(), 1) != 1)
    {
        SetLastError("Write Error");
        return FALSE;
    }
    return TRUE;
}

static DibRows DescribeRows(const CDibImage& image, const BYTE* pixels, BYTE quality)
{
    DibRows rows;
    rows.width = image.GetWidth();
    rows.height = image.GetHeight();
    rows.rowWidth = image.GetRowWidth();
    rows.bitCount = image.GetBitCount();
    rows.pixels = pixels;
    rows.palette = image.GetPalette();
    rows.colours = image.GetColourCount();
    rows.grayScale = image.IsGrayScale();
    rows.transparentIndex = image.m_transparentIndex;
    rows.transparentColour = image.m_transparentColour;
    rows.transparentColourSet = image.GetBitCount() == 24 && image.m_transparentIndex >= 0;
    rows.quality = quality;
    rows.xDpi = image.m_xDpi;
    rows.yDpi = image.m_yDpi;
    return rows;
}

BOOL CDibImage::EncodeJpeg(CImageStream* stream)
{
    if (stream == NULL)
        return FALSE;
    if (GetBitCount() != 24 && !IsGrayScale())
    {
        SetLastError("JPEG can save only RGB or GreyScale images");
        return FALSE;
    }
    DibRows rows = DescribeRows(*this, m_pixels, m_jpegQuality);
    return WriteJpegImage(&rows, stream, m_lastError);
}

BOOL CDibImage::EncodePng(CImageStream* stream)
{
    if (stream == NULL)
        return FALSE;
    DibRows rows = DescribeRows(*this, m_pixels, m_jpegQuality);
    return WritePngImage(&rows, stream, m_lastError);
}

BOOL CDibImage::EncodeIco(CImageStream* stream)
{
    int width = GetWidth(), height = GetHeight();
    if (GetBitCount() > 8 || width >= 256 || height >= 256)
    {
        SetLastError("Can't save this image as icon");
        return FALSE;
    }
    RGBQUAD* palette = GetPalette();
    if (stream == NULL || palette == NULL)
        return FALSE;
    int colours = GetColourCount();
    int maskRow = ((width + 31) / 32) * 4;
    DWORD maskSize = (DWORD)maskRow * height;
    DWORD pixelBytes = (DWORD)height * m_rowWidth;

    BYTE directory[6] = {0, 0, 1, 0, 1, 0};
    BYTE entry[16] = {(BYTE)width, (BYTE)height, (BYTE)(colours >= 256 ? 0 : colours), 0, 0, 0,
                      (BYTE)GetBitCount(), 0};
    DWORD resourceBytes = maskSize + pixelBytes + 4 * colours + 40;
    DWORD offset = 22;
    memcpy(entry + 8, &resourceBytes, 4);
    memcpy(entry + 12, &offset, 4);
    BITMAPINFOHEADER header;
    memset(&header, 0, sizeof(header));
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height * 2;
    header.biPlanes = 1;
    header.biBitCount = GetBitCount();
    header.biSizeImage = pixelBytes;

    BYTE* mask = (BYTE*)calloc(1, maskSize);
    if (mask == NULL)
        return FALSE;
    RGBQUAD transparent = GetTransparentColour();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            RGBQUAD colour = GetPixelColour(x, y);
            if (m_transparentIndex >= 0 && colour.rgbBlue == transparent.rgbBlue &&
                colour.rgbGreen == transparent.rgbGreen && colour.rgbRed == transparent.rgbRed)
                mask[y * maskRow + x / 8] |= (BYTE)(1 << (7 - x % 8));
        }
    bool written = stream->Write(directory, 6, 1) == 1 && stream->Write(entry, 16, 1) == 1 &&
                   stream->Write(&header, sizeof(header), 1) == 1 &&
                   stream->Write(palette, 4 * colours, 1) == 1 && stream->Write(m_pixels, pixelBytes, 1) == 1 &&
                   stream->Write(mask, maskSize, 1) == 1;
    free(mask);
    if (!written)
        SetLastError("Write Error");
    return written;
}
