#include "output/pictures/ThumbnailBitmap.h"

#include "foundation/files/ByteBuffer.h"
#include "foundation/files/SealedFile.h"
#include "foundation/windows/SelectedObject.h"
#include "output/pictures/JpegDecoder.h"
#include "output/pictures/Picture.h"
#include "output/pictures/PictureSizeFitting.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace
{
// The largest size of the proportion |w| : |h| within the box, in pixels
// taken as square, at least 1 x 1.
CSize FitProportion(double w, double h, CSize box)
{
    const CSize size = FitSizeToAspectOnDevice(NULL, box.cx, box.cy, w, h);
    return CSize(std::max<int>(size.cx, 1), std::max<int>(size.cy, 1));
}

HBITMAP MakeSection(CSize size)
{
    BITMAPINFO info;
    std::memset(&info, 0, sizeof(info));
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = NULL;
    return ::CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &bits, NULL, 0);
}

// A new section of the size, filled with the colour, on which 'draw' draws
// through a memory DC; null when it cannot be made or 'draw' fails.
COwnedGdiObject<HBITMAP> DrawThumbnail(CSize size, COLORREF background, const std::function<BOOL(HDC canvas)>& draw)
{
    COwnedDC canvas(::CreateCompatibleDC(NULL));
    COwnedGdiObject<HBITMAP> section(MakeSection(size));
    if (!canvas || !section)
        return COwnedGdiObject<HBITMAP>();
    CSelectedObject selected(canvas, section);
    if (selected.Previous() == NULL)
        return COwnedGdiObject<HBITMAP>();
    const RECT all = {0, 0, size.cx, size.cy};
    ::SetBkColor(canvas, background);
    ::ExtTextOutA(canvas, 0, 0, ETO_OPAQUE, &all, NULL, 0, NULL);
    if (!draw(canvas))
        return COwnedGdiObject<HBITMAP>();
    return section;
}

BOOL IsJpegData(const CByteBuffer& data)
{
    return data.GetLength() > 3 && data.GetData()[0] == 0xFF && data.GetData()[1] == 0xD8;
}

// A JPEG decoded reduced and shrunk into the thumbnail.
BOOL MakeJpegThumbnail(const CByteBuffer& data, CSize maxSize, const PictureLoadOptions& options, COLORREF background,
                       ThumbnailBitmap& thumbnail)
{
    SIZE full = {0, 0};
    BYTE* bits = NULL;
    // The size of the shrunk picture is known only from the header; ask for
    // enough pixels for the box at any proportion.
    COwnedGdiObject<HBITMAP> decoded(
        DecodeJpegFromMemoryForSize(data.GetData(), data.GetLength(), maxSize.cx, maxSize.cy, &bits, &full));
    if (!decoded)
        return FALSE;
    BITMAP record;
    ::GetObjectA(decoded, sizeof(record), &record);
    CSize size = FitProportion(full.cx, full.cy, maxSize);
    size.cx = std::min<int>(size.cx, record.bmWidth);
    size.cy = std::min<int>(size.cy, record.bmHeight);
    thumbnail.bitmap = DrawThumbnail(size, background, [&](HDC canvas) {
        COwnedDC source(::CreateCompatibleDC(NULL));
        if (!source)
            return FALSE;
        CSelectedObject selected(source, decoded);
        ::SetStretchBltMode(canvas, HALFTONE);
        ::SetBrushOrgEx(canvas, 0, 0, NULL);
        return ::StretchBlt(canvas, 0, 0, size.cx, size.cy, source, 0, 0, record.bmWidth, record.bmHeight, SRCCOPY);
    });
    if (!thumbnail.bitmap)
        return FALSE;
    thumbnail.size = size;
    thumbnail.widthInInches = (double)full.cx / std::max(options.xResolution, 1);
    thumbnail.heightInInches = (double)full.cy / std::max(options.yResolution, 1);
    thumbnail.isBitmap = TRUE;
    thumbnail.bitCount = record.bmBitsPixel;
    return TRUE;
}

// Any other picture loaded whole and drawn into the thumbnail.
BOOL MakePictureThumbnail(const CByteBuffer& data, CSize maxSize, const PictureLoadOptions& options,
                          COLORREF background, ThumbnailBitmap& thumbnail)
{
    CPicture picture;
    if (!picture.LoadFromMemory(data, options))
        return FALSE;
    const double w = picture.GetWidthInInches(), h = picture.GetHeightInInches();
    CSize size = FitProportion(w, h, maxSize);
    if (picture.IsBitmap())
    {
        const BITMAP& record = picture.GetDib().GetBitmapRecord();
        size.cx = std::min<int>(size.cx, record.bmWidth);
        size.cy = std::min<int>(size.cy, std::abs(record.bmHeight));
    }
    thumbnail.bitmap = DrawThumbnail(size, background, [&](HDC canvas) {
        CDC dc;
        dc.Attach(canvas);
        const CRect place(0, 0, size.cx, size.cy);
        picture.Draw(&dc, place, place, CPoint(0, 0));
        dc.Detach();
        return TRUE;
    });
    if (!thumbnail.bitmap)
        return FALSE;
    thumbnail.size = size;
    thumbnail.widthInInches = w;
    thumbnail.heightInInches = h;
    thumbnail.isBitmap = picture.IsBitmap();
    thumbnail.bitCount = picture.IsBitmap() ? picture.GetDib().GetBitCount() : 0;
    return TRUE;
}
} // namespace

BOOL MakeThumbnailBitmap(LPCTSTR path, CSize maxSize, const PictureLoadOptions& options, COLORREF background,
                         ThumbnailBitmap& thumbnail)
{
    thumbnail = ThumbnailBitmap();
    if (path == NULL || maxSize.cx < 1 || maxSize.cy < 1)
        return FALSE;
    CByteBuffer data;
    const BOOL read = IsSealedPictureName(path) ? data.LoadSealedFile(path, SealKeyVectorPicture) : data.LoadFile(path);
    if (!read)
        return FALSE;
    if (IsJpegData(data))
        return MakeJpegThumbnail(data, maxSize, options, background, thumbnail);
    return MakePictureThumbnail(data, maxSize, options, background, thumbnail);
}
