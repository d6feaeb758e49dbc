#include "output/pictures/DibPicture.h"

#include "foundation/files/ByteBuffer.h"
#include "foundation/files/LittleEndian.h"
#include "foundation/terminology/TokenExpander.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/ScreenMemoryDC.h"
#include "foundation/windows/SelectedObject.h"
#include "foundation/windows/SelectedPalette.h"
#include "framework/windows/BitmapDrawing.h"
#include "framework/windows/ClipRegionSaver.h"
#include "output/pictures/JpegDecoder.h"
#include "output/pictures/PictureSettings.h"

#include <cstdlib>
#include <cstring>

namespace
{
// A bitmap object that lends another owner's handle for one drawing.
class CBitmapView : public CBitmap
{
public:
    explicit CBitmapView(HGDIOBJ handle) { Attach(handle); }
    ~CBitmapView() { Detach(); }
};

const DWORD FileHeaderSize = 14;
const int MaxColourTableEntries = 256;

// Bytes of one pixel row, rounded up to whole 32-bit words.
unsigned long long RowBytes(long long width, int bitCount)
{
    return (((unsigned long long)width * (unsigned)bitCount + 31) / 32) * 4;
}

BOOL HasBitFieldMasks(const BITMAPINFOHEADER& header)
{
    return (header.biBitCount == 16 || header.biBitCount == 32) && header.biCompression == BI_BITFIELDS;
}

// The checks that a BMP file's header must pass before the platform sees
// it, in overflow-safe arithmetic: the colour count, the masks and the
// colour table must lie inside the data, and the pixels must not ask for
// absurd memory.
BOOL IsUsableBmpHeader(const BYTE* data, DWORD size)
{
    if (size < FileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M')
        return FALSE;
    const DWORD infoSize = ReadLittleEndianDword(data + FileHeaderSize);
    const DWORD available = size - FileHeaderSize;
    if (infoSize < sizeof(BITMAPINFOHEADER) || infoSize > available)
        return FALSE;
    BITMAPINFOHEADER header;
    std::memcpy(&header, data + FileHeaderSize, sizeof(header));
    const int bits = header.biBitCount * header.biPlanes;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return FALSE;
    if (header.biPlanes != 1 || header.biWidth <= 0 || header.biHeight == 0 || header.biHeight == LONG_MIN)
        return FALSE;
    if (header.biCompression != BI_RGB && !HasBitFieldMasks(header))
        return FALSE;
    if (header.biClrUsed > (DWORD)MaxColourTableEntries)
        return FALSE;
    unsigned long long needed = infoSize + 4ull * (unsigned)GetDibColourCount(header);
    if (infoSize == sizeof(BITMAPINFOHEADER) && HasBitFieldMasks(header))
        needed += 3 * sizeof(DWORD);
    if (needed > available)
        return FALSE;
    const unsigned long long height = (unsigned long long)std::llabs(header.biHeight);
    return RowBytes(header.biWidth, bits) * height <= MaxDecodedPictureBytes &&
           (unsigned long long)header.biWidth * height <= MaxDecodedPicturePixels;
}
}

CDibPicture::CDibPicture()
    : m_hDrawDib(NULL), m_pHeader(NULL), m_pColourTable(NULL), m_nColours(0), m_nMemorySize(0), m_xResolution(0),
      m_yResolution(0), m_scale(1.0), m_bHasMask(FALSE), m_maskInk(0)
{
    std::memset(&m_bitmap, 0, sizeof(m_bitmap));
}

CDibPicture::~CDibPicture()
{
    Clear();
}

void CDibPicture::Clear()
{
    DeleteObject();
    m_palette.DeleteObject();
    m_mask.DeleteObject();
    if (m_hDrawDib != NULL)
        ::DrawDibClose(m_hDrawDib);
    m_hDrawDib = NULL;
    std::free(m_pHeader);
    m_pHeader = NULL;
    m_pColourTable = NULL;
    m_nColours = 0;
    m_nMemorySize = 0;
    m_xResolution = m_yResolution = 0;
    m_scale = 1.0;
    m_bHasMask = FALSE;
    m_maskInk = 0;
    std::memset(&m_bitmap, 0, sizeof(m_bitmap));
}

void CDibPicture::KeepOptions(const PictureLoadOptions& options)
{
    m_xResolution = options.xResolution;
    m_yResolution = options.yResolution;
    m_scale = options.scale;
}

BOOL CDibPicture::LoadFile(LPCTSTR path, PictureLoadOptions options)
{
    Clear();
    BYTE* bits = NULL;
    HBITMAP section = DecodeJpegFile(path, &bits);
    if (section == NULL)
    {
        CByteBuffer data;
        if (!data.LoadFile(path))
            return FALSE;
        return LoadFromMemory(data, options);
    }
    if (!Attach(section, options.inkColour, bits, options.lightening, options.makeMask))
        return FALSE;
    KeepOptions(options);
    return TRUE;
}

BOOL CDibPicture::LoadFromMemory(const CByteBuffer& data, PictureLoadOptions options)
{
    return LoadFromMemory(data.GetData(), data.GetLength(), options);
}

BOOL CDibPicture::LoadFromMemory(const BYTE* data, DWORD size, PictureLoadOptions options)
{
    Clear();
    BYTE* bits = NULL;
    HBITMAP section = DecodeJpegFromMemory(data, size, &bits);
    if (section == NULL)
        return LoadBmp(data, size, options);
    if (!Attach(section, options.inkColour, bits, options.lightening, options.makeMask))
        return FALSE;
    KeepOptions(options);
    return TRUE;
}

BOOL CDibPicture::LoadBmp(const BYTE* data, DWORD size, PictureLoadOptions options)
{
    if (data == NULL || !IsUsableBmpHeader(data, size))
        return FALSE;
    const DWORD pixelOffset = ReadLittleEndianDword(data + 10);
    const BITMAPINFO* info = (const BITMAPINFO*)(data + FileHeaderSize);
    void* pixels = NULL;
    HDC desktop = ::GetDC(::GetDesktopWindow());
    COwnedGdiObject<HBITMAP> section(::CreateDIBSection(desktop, info, DIB_RGB_COLORS, &pixels, NULL, 0));
    ::ReleaseDC(::GetDesktopWindow(), desktop);
    if (!section || pixels == NULL)
        return FALSE;
    ::GdiFlush();
    DIBSECTION made;
    if (::GetObjectA(section, sizeof(made), &made) != sizeof(made))
        return FALSE;
    unsigned long long imageSize =
        RowBytes(made.dsBm.bmWidth, made.dsBmih.biBitCount) * (unsigned long long)std::llabs(made.dsBm.bmHeight);
    if (pixelOffset < size)
    {
        unsigned long long count = size - pixelOffset;
        if (count > imageSize)
            count = imageSize;
        std::memcpy(pixels, data + pixelOffset, (size_t)count);
    }
    if (!Attach(section.Release(), options.inkColour, (BYTE*)pixels, options.lightening, options.makeMask))
        return FALSE;
    KeepOptions(options);
    return TRUE;
}

BOOL CDibPicture::Attach(HBITMAP section, COLORREF ink, BYTE* bits, double lightening, BOOL makeMask)
{
    Clear();
    if (section == NULL || !CGdiObject::Attach(section))
        return FALSE;
    ::GetObjectA(section, sizeof(m_bitmap), &m_bitmap);
    DIBSECTION dib;
    if (::GetObjectA(section, sizeof(dib), &dib) != sizeof(DIBSECTION))
    {
        Clear();
        return FALSE;
    }

    int colours = GetDibColourCount(dib.dsBmih);
    if (colours < 0 || colours > MaxColourTableEntries)
        colours = MaxColourTableEntries;
    if (dib.dsBmih.biBitCount > 8)
        colours = 0;
    const size_t maskBytes = HasBitFieldMasks(dib.dsBmih) ? 3 * sizeof(DWORD) : 0;
    const size_t headerBytes = sizeof(BITMAPINFOHEADER) + maskBytes + 4 * (size_t)colours;
    m_pHeader = (BYTE*)std::calloc(1, headerBytes);
    if (m_pHeader == NULL)
        AfxThrowMemoryException();
    std::memcpy(m_pHeader, &dib.dsBmih, sizeof(BITMAPINFOHEADER));
    ((BITMAPINFOHEADER*)m_pHeader)->biClrUsed = (DWORD)colours;
    if (maskBytes != 0)
        std::memcpy(m_pHeader + sizeof(BITMAPINFOHEADER), dib.dsBitfields, maskBytes);
    m_nColours = colours;

    if (colours > 0)
    {
        m_pColourTable = (RGBQUAD*)(m_pHeader + sizeof(BITMAPINFOHEADER) + maskBytes);
        AttachColourTable(dib, ink, bits, lightening);
    }
    else
    {
        HDC screen = ::GetDC(NULL);
        m_palette.Attach(::CreateHalftonePalette(screen));
        ::ReleaseDC(NULL, screen);
        if (bits != NULL && LighteningChangesColours(lightening) && lightening != 0.0)
            LightenPixels(lightening);
    }
    if (m_palette.m_hObject == NULL)
    {
        std::free(m_pHeader);
        m_pHeader = NULL;
        m_pColourTable = NULL;
        m_nColours = 0;
        CGdiObject::Detach();
        std::memset(&m_bitmap, 0, sizeof(m_bitmap));
        return FALSE;
    }

    m_nMemorySize = dib.dsBmih.biSizeImage + 2 * (DWORD)headerBytes;
    if (dib.dsBmih.biSizeImage == 0)
        m_nMemorySize += (DWORD)(RowBytes(m_bitmap.bmWidth, dib.dsBmih.biBitCount) * std::abs(m_bitmap.bmHeight));

    if (colours == 2 && makeMask)
        MakeMask();
    return TRUE;
}

BOOL CDibPicture::AttachColourTable(const DIBSECTION& dib, COLORREF ink, BYTE* bits, double lightening)
{
    GetColourTable(m_pColourTable, m_nColours);
    if (bits != NULL && LighteningChangesColours(lightening))
    {
        for (int i = 0; i < m_nColours; ++i)
        {
            RGBQUAD& entry = m_pColourTable[i];
            if (entry.rgbRed == 0 && entry.rgbGreen == 0 && entry.rgbBlue == 0 && IsInkColour(ink))
            {
                entry.rgbRed = GetRValue(ink);
                entry.rgbGreen = GetGValue(ink);
                entry.rgbBlue = GetBValue(ink);
            }
            entry.rgbRed = (BYTE)LightenChannel(entry.rgbRed, 255, lightening);
            entry.rgbGreen = (BYTE)LightenChannel(entry.rgbGreen, 255, lightening);
            entry.rgbBlue = (BYTE)LightenChannel(entry.rgbBlue, 255, lightening);
        }
    }
    struct
    {
        WORD version;
        WORD count;
        PALETTEENTRY entries[MaxColourTableEntries];
    } palette;
    palette.version = 0x300;
    palette.count = (WORD)m_nColours;
    for (int i = 0; i < m_nColours; ++i)
    {
        palette.entries[i].peRed = m_pColourTable[i].rgbRed;
        palette.entries[i].peGreen = m_pColourTable[i].rgbGreen;
        palette.entries[i].peBlue = m_pColourTable[i].rgbBlue;
        palette.entries[i].peFlags = 0;
    }
    m_palette.CreatePalette((LOGPALETTE*)&palette);
    return SetColourTable(m_pColourTable, m_nColours);
}

void CDibPicture::LightenPixels(double lightening)
{
    BYTE* bits = (BYTE*)m_bitmap.bmBits;
    const int bitCount = m_bitmap.bmBitsPixel;
    if (bits == NULL || (bitCount != 16 && bitCount != 24 && bitCount != 32))
        return;
    const int width = m_bitmap.bmWidth;
    const int height = std::abs(m_bitmap.bmHeight);
    const size_t rowBytes = (size_t)RowBytes(width, bitCount);
    for (int y = 0; y < height; ++y)
    {
        BYTE* row = bits + rowBytes * y;
        if (bitCount == 16)
        {
            WORD* pixel = (WORD*)row;
            for (int x = 0; x < width; ++x, ++pixel)
            {
                int blue = LightenChannel(*pixel & 31, 31, lightening);
                int green = LightenChannel((*pixel >> 5) & 31, 31, lightening);
                int red = LightenChannel((*pixel >> 10) & 31, 31, lightening);
                *pixel = (WORD)((*pixel & 0x8000) | (red << 10) | (green << 5) | blue);
            }
            continue;
        }
        const int step = bitCount / 8;
        for (int x = 0; x < width; ++x, row += step)
        {
            row[0] = (BYTE)LightenChannel(row[0], 255, lightening);
            row[1] = (BYTE)LightenChannel(row[1], 255, lightening);
            row[2] = (BYTE)LightenChannel(row[2], 255, lightening);
        }
    }
}

void CDibPicture::MakeMask()
{
    const COLORREF white = RGB(255, 255, 255);
    COLORREF first = RGB(m_pColourTable[0].rgbRed, m_pColourTable[0].rgbGreen, m_pColourTable[0].rgbBlue);
    COLORREF second = RGB(m_pColourTable[1].rgbRed, m_pColourTable[1].rgbGreen, m_pColourTable[1].rgbBlue);
    if (!m_mask.CreateBitmap(m_bitmap.bmWidth, std::abs(m_bitmap.bmHeight), 1, 1, NULL))
        return;
    if (first != white && second != white)
    {
        m_mask.DeleteObject();
        return;
    }
    {
        CScreenMemoryDC source, target;
        CSelectedObject sourceBitmap(source, m_hObject), targetBitmap(target, m_mask.m_hObject);
        ::SetBkColor(source, white);
        ::BitBlt(target, 0, 0, m_bitmap.bmWidth, std::abs(m_bitmap.bmHeight), source, 0, 0, SRCCOPY);
    }
    m_maskInk = first != white ? first : second;
    m_bHasMask = TRUE;
}

BOOL CDibPicture::GetColourTable(RGBQUAD* entries, int count) const
{
    if (count < 1)
        return TRUE;
    CScreenMemoryDC memory;
    CSelectedObject bitmap(memory, m_hObject);
    return ::GetDIBColorTable(memory, 0, (UINT)count, entries) == (UINT)count;
}

BOOL CDibPicture::SetColourTable(const RGBQUAD* entries, int count)
{
    if (count < 1)
        return TRUE;
    CScreenMemoryDC memory;
    CSelectedObject bitmap(memory, m_hObject);
    return ::SetDIBColorTable(memory, 0, (UINT)count, entries) == (UINT)count;
}

BOOL CDibPicture::Draw(CDC* dc, const RECT& dest, const RECT& clip, POINT origin, UINT flags, const RECT* source,
                       CPalette* palette)
{
    if (m_hObject == NULL)
        return FALSE;
    CRect visible;
    if (!visible.IntersectRect(&dest, &clip))
        return TRUE;
    CRect target(dest);
    target.OffsetRect(-origin.x, -origin.y);
    visible.OffsetRect(-origin.x, -origin.y);
    CClipRegionSaver clipping;
    clipping.Clip(dc, visible);

    if (palette == NULL)
        palette = GetPalette();
    CSelectedPalette selectedPalette(dc->m_hDC, palette != NULL ? (HPALETTE)palette->m_hObject : NULL,
                                     (flags & DrawForegroundPalette) == 0);
    if (palette != NULL)
        ::RealizePalette(dc->m_hDC);

    CRect whole(0, 0, m_bitmap.bmWidth, std::abs(m_bitmap.bmHeight));
    const RECT* from = source != NULL ? source : &whole;
    BOOL result;
    if (m_bHasMask)
    {
        COLORREF oldBack = dc->SetBkColor(RGB(255, 255, 255));
        COLORREF oldText = dc->SetTextColor(RGB(0, 0, 0));
        DrawBitmapRect(dc, &m_mask, &target, from, SRCAND);
        dc->SetBkColor(RGB(0, 0, 0));
        dc->SetTextColor(m_maskInk);
        result = DrawBitmapRect(dc, &m_mask, &target, from, SRCPAINT);
        dc->SetBkColor(oldBack);
        dc->SetTextColor(oldText);
    }
    else if ((flags & DrawAllowDrawDib) != 0 && UseAlternatePictureRendering == 0)
    {
        if (m_hDrawDib == NULL)
            m_hDrawDib = ::DrawDibOpen();
        CRect part = source != NULL ? CRect(*source) : CRect(0, 0, -1, -1);
        result = ::DrawDibDraw(m_hDrawDib, dc->m_hDC, target.left, target.top, target.Width(), target.Height(),
                               (BITMAPINFOHEADER*)m_pHeader, m_bitmap.bmBits, part.left, part.top,
                               source != NULL ? part.Width() : -1, source != NULL ? part.Height() : -1,
                               (flags & DrawForegroundPalette) != 0 ? 0 : DDF_BACKGROUNDPAL);
    }
    else
    {
        CBitmapView section(m_hObject);
        result = DrawBitmapRect(dc, &section, &target, from, SRCCOPY);
    }

    clipping.Restore();
    return result;
}

CSize CDibPicture::GetScaledSize(double sx, double sy) const
{
    if (m_xResolution > 0 && m_yResolution > 0)
        return CSize((int)(m_bitmap.bmWidth * sx / m_xResolution + 0.5),
                     (int)(std::abs(m_bitmap.bmHeight) * sy / m_yResolution + 0.5));
    return CSize(m_bitmap.bmWidth, std::abs(m_bitmap.bmHeight));
}

double CDibPicture::GetWidthInInches() const
{
    return m_xResolution != 0 ? (double)m_bitmap.bmWidth / m_xResolution : 1.0;
}

double CDibPicture::GetHeightInInches() const
{
    return m_yResolution != 0 ? (double)std::abs(m_bitmap.bmHeight) / m_yResolution : 1.0;
}

int CDibPicture::GetBitCount() const
{
    const BITMAPINFOHEADER* header = (const BITMAPINFOHEADER*)m_pHeader;
    return header != NULL ? header->biBitCount * header->biPlanes : 0;
}

CString CDibPicture::Describe() const
{
    return DescribeBitmapDepth(GetBitCount());
}

CString DescribeBitmapDepth(int bits)
{
    CString text;
    if (bits >= 24)
        text = "full ~colour~";
    else if (bits == 16)
        text = "64k ~colour~";
    else if (bits == 1)
        text = "monochrome";
    else
        text.Format("%d ~colour~", 1 << bits);
    text += " bitmap";
    CString expanded;
    ExpandTokens(text, expanded);
    return expanded;
}
