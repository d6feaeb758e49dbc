#include "TestPictures.h"
#include "output/pictures/MetafilePicture.h"
#include "output/pictures/Picture.h"
#include "output/pictures/PictureSizeFitting.h"

#include "foundation/files/Crc32.h"
#include "foundation/files/SealedFile.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SavedDCState.h"
#include "foundation/windows/SelectedObject.h"
#include "support/ThreadCpuTime.h"
#include "support/WindowScreenshot.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>
#include <zlib.h>

namespace
{
void Put16(Bytes& out, unsigned value)
{
    out.push_back((BYTE)value);
    out.push_back((BYTE)(value >> 8));
}

void Put32(Bytes& out, unsigned value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// The colour of an index or RGB pixel packed into one 'bitCount' value.
unsigned PackPixel(COLORREF colour, int bitCount)
{
    if (bitCount <= 8)
        return colour;
    if (bitCount == 16)
        return ((GetRValue(colour) >> 3) << 10) | ((GetGValue(colour) >> 3) << 5) | (GetBValue(colour) >> 3);
    return GetBValue(colour) | (GetGValue(colour) << 8) | (GetRValue(colour) << 16);
}
}

Bytes MakeBmp(int width, int height, int bitCount, const std::vector<COLORREF>& table, PixelColour pixel, bool topDown)
{
    const int rowBytes = ((width * bitCount + 31) / 32) * 4;
    const int colours = bitCount <= 8 ? (int)table.size() : 0;
    const unsigned offset = 14 + 40 + 4 * colours;
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + rowBytes * height);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, (unsigned)width);
    Put32(out, (unsigned)(topDown ? -height : height));
    Put16(out, 1);
    Put16(out, bitCount);
    Put32(out, BI_RGB);
    Put32(out, rowBytes * height);
    Put32(out, 3780);
    Put32(out, 3780);
    Put32(out, colours);
    Put32(out, 0);
    for (int i = 0; i < colours; ++i)
        Put32(out, GetBValue(table[i]) | (GetGValue(table[i]) << 8) | (GetRValue(table[i]) << 16));
    for (int row = 0; row < height; ++row)
    {
        const int y = topDown ? row : height - 1 - row;
        Bytes line(rowBytes, 0);
        for (int x = 0; x < width; ++x)
        {
            unsigned value = PackPixel(pixel(x, y), bitCount);
            const int bit = x * bitCount;
            if (bitCount < 8)
                line[bit / 8] |= (BYTE)(value << (8 - bitCount - bit % 8));
            else
                for (int b = 0; b < bitCount / 8; ++b)
                    line[bit / 8 + b] = (BYTE)(value >> (8 * b));
        }
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

Bytes MakeJpeg(int width, int height, JpegKind kind, PixelColour pixel, int quality)
{
    const int components = kind == JpegGrey ? 1 : kind == JpegCmyk ? 4 : 3;
    const J_COLOR_SPACE space = kind == JpegGrey ? JCS_GRAYSCALE : kind == JpegCmyk ? JCS_CMYK : JCS_RGB;
    return EncodeJpeg({width, height, space, components, quality, kind == JpegProgressive}, [&](int y, JSAMPLE* line) {
        for (int x = 0; x < width; ++x)
        {
            const COLORREF colour = pixel(x, y);
            JSAMPLE* at = line + x * components;
            at[0] = GetRValue(colour);
            if (kind == JpegGrey)
                continue;
            at[1] = GetGValue(colour);
            at[2] = GetBValue(colour);
            // CMYK is stored the way the decoder reads it back: red = K x C / 255.
            if (kind == JpegCmyk)
                at[3] = 255;
        }
    });
}

Bytes MakePlaceableWmf(int width, int height, int unitsPerInch, const std::function<void(HDC)>& draw)
{
    Bytes records = MakePlainWmf(draw);
    Bytes out;
    Put32(out, 0x9AC6CDD7);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, width);
    Put16(out, height);
    Put16(out, unitsPerInch);
    Put32(out, 0);
    unsigned checksum = 0;
    for (size_t i = 0; i < out.size(); i += 2)
        checksum ^= out[i] | (out[i + 1] << 8);
    Put16(out, checksum);
    out.insert(out.end(), records.begin(), records.end());
    return out;
}

RECT FrameOfPixels(int width, int height)
{
    HDC screen = ::GetDC(NULL);
    const RECT frame = {0, 0,
                        ::MulDiv(width, 100 * ::GetDeviceCaps(screen, HORZSIZE), ::GetDeviceCaps(screen, HORZRES)),
                        ::MulDiv(height, 100 * ::GetDeviceCaps(screen, VERTSIZE), ::GetDeviceCaps(screen, VERTRES))};
    ::ReleaseDC(NULL, screen);
    return frame;
}

size_t FindEmfRecord(const Bytes& emf, DWORD type)
{
    for (size_t at = 0; at + 8 <= emf.size();)
    {
        DWORD kind, size;
        std::memcpy(&kind, &emf[at], 4);
        std::memcpy(&size, &emf[at + 4], 4);
        if (kind == type)
            return at;
        if (size < 8)
            break;
        at += size;
    }
    return 0;
}

size_t FindWmfRecord(const Bytes& wmf, WORD function)
{
    const size_t placeable = 22, header = 18;
    for (size_t at = placeable + header; at + 6 <= wmf.size();)
    {
        DWORD words;
        WORD kind;
        std::memcpy(&words, &wmf[at], 4);
        std::memcpy(&kind, &wmf[at + 4], 2);
        if (kind == function)
            return at;
        if (words < 3)
            break;
        at += 2 * (size_t)words;
    }
    return 0;
}

Bytes EmfRecordBytes(const EmfRecords& records)
{
    Bytes added;
    for (const auto& record : records)
    {
        Fields words = {record.first, (DWORD)(8 + 4 * record.second.size())};
        words.insert(words.end(), record.second.begin(), record.second.end());
        Append(added, words.data(), 4 * words.size());
    }
    return added;
}

Bytes WithEmfBytes(Bytes emf, size_t at, const Bytes& records, DWORD handles)
{
    emf.insert(emf.begin() + (ptrdiff_t)at, records.begin(), records.end());
    ENHMETAHEADER header;
    std::memcpy(&header, emf.data(), sizeof(header));
    header.nBytes = (DWORD)emf.size();
    for (size_t record = 0; record < records.size(); record += *(const DWORD*)&records[record + 4])
        ++header.nRecords;
    header.nHandles = std::max<DWORD>(header.nHandles, handles);
    std::memcpy(emf.data(), &header, sizeof(header));
    return emf;
}

Bytes WithEmfRecords(Bytes emf, const EmfRecords& records, DWORD handles)
{
    const size_t end = FindEmfRecord(emf, EMR_EOF);
    return WithEmfBytes(std::move(emf), end, EmfRecordBytes(records), handles);
}

Bytes EmfOfRecords(const RECT& frame, const EmfRecords& records, DWORD handles)
{
    return WithEmfRecords(MakeEmf(frame, [](HDC) {}), records, handles);
}

Bytes WithWmfRecords(Bytes wmf, const WmfRecords& records, WORD objects)
{
    const size_t placeable = 22, endRecord = 6;
    METAHEADER header;
    std::memcpy(&header, &wmf[placeable], sizeof(header));
    std::vector<WORD> added;
    for (const auto& record : records)
    {
        const DWORD words = (DWORD)(3 + record.second.size());
        added.insert(added.end(), {LOWORD(words), HIWORD(words), record.first});
        added.insert(added.end(), record.second.begin(), record.second.end());
        header.mtMaxRecord = std::max<DWORD>(header.mtMaxRecord, words);
    }
    const BYTE* bytes = (const BYTE*)added.data();
    wmf.insert(wmf.end() - endRecord, bytes, bytes + 2 * added.size());
    header.mtSize += (DWORD)added.size();
    header.mtNoObjects = std::max(header.mtNoObjects, objects);
    std::memcpy(&wmf[placeable], &header, sizeof(header));
    return wmf;
}

Bytes WmfOfRecords(int width, int height, const WmfRecords& records, WORD objects)
{
    return WithWmfRecords(MakePlaceableWmf(width, height, 96, [](HDC) {}), records, objects);
}

Fields Join(Fields first, const Fields& then)
{
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

DWORD FloatBits(float value)
{
    DWORD bits;
    std::memcpy(&bits, &value, 4);
    return bits;
}

RegionShape GridOfCells(int columns, int rows, int width, int height)
{
    RegionShape grid = {{0, 0, std::max(2 * columns, width), std::max(2 * rows, height)}, {}};
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            grid.rectangles.push_back({2 * column, 2 * row, 2 * column + width, 2 * row + height});
    return grid;
}

RegionShape SteppingRectangles(DWORD count)
{
    RegionShape steps = {{0, 0, 2, (LONG)count}, {}};
    for (LONG i = 0; i < (LONG)count; ++i)
        steps.rectangles.push_back({i % 2, i, i % 2 + 1, i + 1});
    return steps;
}

Fields RegionData(const RegionShape& region)
{
    const DWORD count = (DWORD)region.rectangles.size();
    Fields data = {sizeof(RGNDATAHEADER), RDH_RECTANGLES, count, 16 * count};
    Append(data, &region.bounds, sizeof(RECT));
    Append(data, region.rectangles.data(), sizeof(RECT) * count);
    return data;
}

Fields RegionRecord(const Fields& before, const Fields& after, const Fields& region)
{
    return Join(Join(Join(before, {(DWORD)(4 * region.size())}), after), region);
}

Words WmfRegion(const RegionShape& region)
{
    const RECT& box = region.bounds;
    Words object = {0, 6, 0, 0, 0, 0, 0, (WORD)box.left, (WORD)box.top, (WORD)box.right, (WORD)box.bottom};
    WORD scans = 0, largest = 0;
    for (size_t at = 0; at < region.rectangles.size(); ++scans)
    {
        const RECT& band = region.rectangles[at];
        Words edges;
        for (; at < region.rectangles.size() && region.rectangles[at].top == band.top &&
               region.rectangles[at].bottom == band.bottom;
             ++at)
            edges.insert(edges.end(), {(WORD)region.rectangles[at].left, (WORD)region.rectangles[at].right});
        object.insert(object.end(), {(WORD)edges.size(), (WORD)band.top, (WORD)band.bottom});
        object.insert(object.end(), edges.begin(), edges.end());
        object.push_back((WORD)edges.size());
        largest = std::max(largest, (WORD)edges.size());
    }
    object[4] = (WORD)(2 * object.size());
    object[5] = scans;
    object[6] = largest;
    return object;
}

bool WriteBytes(const std::string& path, const Bytes& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == NULL)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

namespace
{
// TEA in its reference form, the inverse of the reader's deciphering.
void TeaEncipherBlock(const DWORD* input, DWORD* output, const DWORD* key)
{
    DWORD y = input[0], z = input[1], sum = 0;
    for (int cycle = 0; cycle < 32; ++cycle)
    {
        sum += 0x9E3779B9;
        y += ((z << 4) + key[0]) ^ (z + sum) ^ ((z >> 5) + key[1]);
        z += ((y << 4) + key[2]) ^ (y + sum) ^ ((y >> 5) + key[3]);
    }
    output[0] = y;
    output[1] = z;
}

// An 8 x 8 24-bit bitmap, packed (header and pixels in one block).
struct PackedDib
{
    BITMAPINFOHEADER header;
    BYTE bits[8 * 24];

    PackedDib() : header()
    {
        header.biSize = sizeof(header);
        header.biWidth = 8;
        header.biHeight = 8;
        header.biPlanes = 1;
        header.biBitCount = 24;
        // Wine's Windows-metafile recorder stores as many pixel bytes as
        // this says (none when it is left 0).
        header.biSizeImage = sizeof(bits);
        for (size_t i = 0; i < sizeof(bits); ++i)
            bits[i] = (BYTE)(i * 37);
    }
    const BITMAPINFO* Info() const { return (const BITMAPINFO*)&header; }
};
} // namespace

void PaintBitmapRecords(HDC dc)
{
    PackedDib dib;
    ::StretchDIBits(dc, 0, 0, 16, 16, 0, 0, 8, 8, dib.bits, dib.Info(), DIB_RGB_COLORS, SRCCOPY);
    ::SetDIBitsToDevice(dc, 20, 0, 8, 8, 0, 0, 0, 8, dib.bits, dib.Info(), DIB_RGB_COLORS);

    {
        COwnedDC memory(::CreateCompatibleDC(NULL));
        void* pixels = NULL;
        COwnedGdiObject<HBITMAP> section(::CreateDIBSection(memory, dib.Info(), DIB_RGB_COLORS, &pixels, NULL, 0));
        CSelectedObject selected(memory, section);
        ::BitBlt(dc, 0, 20, 8, 8, memory, 0, 0, SRCCOPY);
        ::StretchBlt(dc, 20, 20, 16, 16, memory, 0, 0, 8, 8, SRCCOPY);
    }

    COwnedGdiObject<HBRUSH> pattern(::CreateDIBPatternBrushPt(&dib, DIB_RGB_COLORS));
    const WORD stripes[8] = {0xFF, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0};
    COwnedGdiObject<HBITMAP> mono(::CreateBitmap(8, 8, 1, 1, stripes));
    COwnedGdiObject<HBRUSH> monoBrush(::CreatePatternBrush(mono));
    CSelectedObject brush(dc, pattern);
    ::Rectangle(dc, 40, 0, 60, 20);
    brush.Reselect(monoBrush);
    ::Rectangle(dc, 40, 20, 60, 40);
}

void PaintRegionRecords(HDC dc)
{
    COwnedGdiObject<HRGN> region(::CreateRectRgn(10, 10, 60, 50));
    ::FillRgn(dc, region, COwnedGdiObject<HBRUSH>(::CreateSolidBrush(RegionColour)));
}

void PaintShapeRecords(HDC dc)
{
    COwnedGdiObject<HPEN> dashed(::CreatePen(PS_DASH, 1, RGB(0, 0, 160)));
    CSelectedObject pen(dc, dashed);
    ::Arc(dc, 0, 0, 40, 30, 40, 15, 0, 15);
    ::RoundRect(dc, 5, 35, 45, 60, 12, 8);
    COwnedGdiObject<HPEN> wide(::CreatePen(PS_SOLID, 6, RGB(0, 128, 0)));
    pen.Reselect(wide);
    ::Chord(dc, 45, 0, 85, 30, 85, 0, 45, 30);
    ::MoveToEx(dc, 90, 10, NULL);
    ::AngleArc(dc, 90, 40, 15, 30.0f, 270.0f);
    const DWORD dashes[] = {6, 3, 1, 3};
    const LOGBRUSH ink = {BS_SOLID, RGB(120, 0, 120), 0};
    COwnedGdiObject<HPEN> styled(::ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT, 4, &ink, 4, dashes));
    pen.Reselect(styled);
    ::Pie(dc, 50, 35, 90, 70, 90, 52, 70, 35);
    ::ArcTo(dc, 10, 60, 40, 78, 10, 69, 40, 69);

    COwnedGdiObject<HRGN> region(::CreateEllipticRgn(60, 60, 95, 78));
    COwnedGdiObject<HBRUSH> fill(::CreateSolidBrush(RGB(200, 120, 0)));
    COwnedGdiObject<HBRUSH> frame(::CreateHatchBrush(HS_CROSS, RGB(0, 0, 0)));
    ::FillRgn(dc, region, fill);
    ::FrameRgn(dc, region, frame, 2, 3);
}

void PaintTransformRecords(HDC dc)
{
    ::SetGraphicsMode(dc, GM_ADVANCED);
    const XFORM turn = {0.8f, 0.6f, -0.6f, 0.8f, 30.0f, 5.0f};
    const XFORM twice = {2.0f, 0.0f, 0.0f, 2.0f, 0.0f, 0.0f};
    const XFORM half = {0.5f, 0.0f, 0.2f, 0.5f, 10.0f, 10.0f};
    ::SetWorldTransform(dc, &turn);
    ::Rectangle(dc, 0, 0, 30, 20);
    {
        CSavedDCState saved(dc);
        ::ModifyWorldTransform(dc, &twice, MWT_LEFTMULTIPLY);
        ::Ellipse(dc, 0, 0, 15, 10);
        ::ModifyWorldTransform(dc, &half, MWT_RIGHTMULTIPLY);
        ::RoundRect(dc, 0, 0, 40, 30, 6, 6);
    }
    ::ModifyWorldTransform(dc, &twice, MWT_LEFTMULTIPLY);
    ::Pie(dc, 0, 0, 20, 20, 20, 10, 10, 0);
    ::ModifyWorldTransform(dc, NULL, MWT_IDENTITY);
    ::Ellipse(dc, 60, 40, 90, 70);
}

void PaintMappedRecords(HDC dc)
{
    ::SetMapMode(dc, MM_ANISOTROPIC);
    ::SetWindowExtEx(dc, 365, 100000, NULL);
    ::SetViewportExtEx(dc, 80, -60, NULL);
    ::SetViewportOrgEx(dc, 0, 60, NULL);
    const POINT weights[] = {{0, 400}, {60, 9000}, {180, 45000}, {364, 98000}};
    ::Polyline(dc, weights, 4);
    ::Arc(dc, 10, 10000, 200, 10001, 200, 10000, 10, 10000);
    const RECT box = {100, 90000, 300, 70000};
    ::ExtTextOutA(dc, 100, 90000, ETO_OPAQUE | ETO_CLIPPED, &box, "Kestrova", 8, NULL);
    ::TextOutA(dc, 20, 50000, "Kestrova", 8);
    PackedDib dib;
    ::StretchDIBits(dc, 200, 60000, 30, -20000, 2, 2, 6, 6, dib.bits, dib.Info(), DIB_RGB_COLORS, SRCCOPY);
}

void GradientTriangles(HDC dc, int count)
{
    TRIVERTEX vertices[] = {{0, 0, 0xff00, 0, 0, 0}, {96, 0, 0, 0xff00, 0, 0}, {96, 96, 0, 0, 0xff00, 0}};
    const std::vector<GRADIENT_TRIANGLE> triangles((size_t)count, GRADIENT_TRIANGLE{0, 1, 2});
    ::GdiGradientFill(dc, vertices, 3, (void*)triangles.data(), (ULONG)count, GRADIENT_FILL_TRIANGLE);
}

void CopiesOfALetter(HDC dc, int count, int height, POINT at)
{
    COwnedGdiObject<HFONT> font(
        ::CreateFontA(-height, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Tahoma"));
    CSelectedObject selected(dc, font);
    const std::wstring text((size_t)count, L'W');
    const std::vector<INT> advances((size_t)count, 0);
    ::ExtTextOutW(dc, at.x, at.y, 0, NULL, text.data(), (UINT)count, advances.data());
}

Bytes SealPicture(const Bytes& plain)
{
    uLongf packedLength = compressBound((uLong)plain.size());
    Bytes packed(packedLength);
    compress2(packed.data(), &packedLength, plain.data(), (uLong)plain.size(), Z_BEST_COMPRESSION);
    packed.resize(packedLength);
    Bytes out;
    Put32(out, (unsigned)packedLength);
    Put32(out, (unsigned)plain.size());
    Put32(out, 0);
    packed.resize((packed.size() + SealedBlockSize - 1) / SealedBlockSize * SealedBlockSize, 0);
    DWORD key[4] = {SealKeyConstant0, SealKeyConstant1, SealKeyConstant2, SealKeyVectorPicture};
    for (size_t at = 0; at < packed.size(); at += SealedBlockSize)
    {
        DWORD block[2], sealed[2];
        std::memcpy(block, &packed[at], sizeof(block));
        TeaEncipherBlock(block, sealed, key);
        key[0] ^= block[0];
        Put32(out, sealed[0]);
        Put32(out, sealed[1]);
    }
    const DWORD checksum = CRC32(out.data(), (DWORD)out.size());
    std::memcpy(&out[8], &checksum, 4);
    return out;
}

CCanvas::CCanvas(int width, int height, COLORREF fill) : CTestCanvas(width, height, Dib32)
{
    m_dc.Attach(Dc());
    Fill(fill);
}

CCanvas::~CCanvas()
{
    m_dc.Detach();
}

CRect CCanvas::ExtentOfOther(COLORREF colour) const
{
    CRect extent(Width(), Height(), 0, 0);
    for (int y = 0; y < Height(); ++y)
        for (int x = 0; x < Width(); ++x)
            if (At(x, y) != colour)
            {
                extent.left = std::min<int>(extent.left, x);
                extent.top = std::min<int>(extent.top, y);
                extent.right = std::max<int>(extent.right, x + 1);
                extent.bottom = std::max<int>(extent.bottom, y + 1);
            }
    return extent;
}

void CCanvas::SaveScreenshot(const char* name) const
{
    SavePixelScreenshot(name, Width(), Height(), Bits());
}

CGuardedBytes::CGuardedBytes(const Bytes& bytes) : m_size((DWORD)bytes.size())
{
    SYSTEM_INFO system;
    ::GetSystemInfo(&system);
    const SIZE_T page = system.dwPageSize;
    const SIZE_T dataPages = (bytes.size() + page - 1) / page;
    m_blockSize = (dataPages + 1) * page;
    m_block = (BYTE*)::VirtualAlloc(NULL, m_blockSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    DWORD old;
    ::VirtualProtect(m_block + dataPages * page, page, PAGE_NOACCESS, &old);
    BYTE* data = m_block + dataPages * page - bytes.size();
    if (!bytes.empty())
        std::memcpy(data, bytes.data(), bytes.size());
    m_data = data;
}

CGuardedBytes::~CGuardedBytes()
{
    ::VirtualFree(m_block, 0, MEM_RELEASE);
}

bool Near(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

namespace
{
struct Drawing
{
    CPicture* picture;
    CDC* dc;
    CRect box;
    unsigned milliseconds;
};

// Measures its own processor time: once a thread has ended, the platform may
// answer none for it.
DWORD WINAPI DrawPicture(void* parameter)
{
    Drawing& drawing = *(Drawing*)parameter;
    CThreadCpuTimer timer;
    drawing.picture->Draw(drawing.dc, drawing.box, drawing.box, CPoint(0, 0));
    drawing.milliseconds = timer.Milliseconds();
    return 0;
}
} // namespace

void PlayOnThePlatform(const Bytes& bytes, CCanvas& canvas)
{
    const HDC dc = canvas.DC()->m_hDC;
    const RECT all = {0, 0, canvas.Width(), canvas.Height()};
    PlaceableMetaHeader placeable;
    std::memcpy(&placeable, bytes.data(), sizeof(placeable));
    if (placeable.key != PlaceableMetafileKey)
    {
        const COwnedEnhMetafile metafile(::SetEnhMetaFileBits((UINT)bytes.size(), bytes.data()));
        ::PlayEnhMetaFile(dc, metafile, &all);
        return;
    }
    const int width = placeable.right - placeable.left, height = placeable.bottom - placeable.top;
    const CSize size = FitSizeToAspectOnDevice(canvas.DC(), all.right, all.bottom, width, height);
    CSavedDCState saved(dc);
    ::SetMapMode(dc, MM_ANISOTROPIC);
    ::SetWindowOrgEx(dc, placeable.left, placeable.top, NULL);
    ::SetWindowExtEx(dc, width, height, NULL);
    ::SetViewportOrgEx(dc, (all.right - size.cx) / 2, (all.bottom - size.cy) / 2, NULL);
    ::SetViewportExtEx(dc, size.cx, size.cy, NULL);
    const COwnedMetafile metafile(
        ::SetMetaFileBitsEx((UINT)(bytes.size() - sizeof(placeable)), bytes.data() + sizeof(placeable)));
    ::PlayMetaFile(dc, metafile);
}

bool SamePixels(const CCanvas& a, const CCanvas& b)
{
    return a.Width() == b.Width() && a.Height() == b.Height() &&
           std::memcmp(a.Bits(), b.Bits(), (size_t)4 * a.Width() * a.Height()) == 0;
}

int DifferingPixels(const CCanvas& a, const CCanvas& b, const RECT& part)
{
    int differing = 0;
    for (int y = part.top; y < part.bottom; ++y)
        for (int x = part.left; x < part.right; ++x)
            differing += a.At(x, y) != b.At(x, y);
    return differing;
}

double BareMicroseconds(const Bytes& emf, int width, int height)
{
    CCanvas canvas(width, height);
    const COwnedEnhMetafile metafile(::SetEnhMetaFileBits((UINT)emf.size(), emf.data()));
    const RECT all = {0, 0, width, height};
    ::PlayEnhMetaFile(canvas.DC()->m_hDC, metafile, &all);
    CThreadCpuTimer timer;
    unsigned draws = 0;
    for (; draws == 0 || timer.Milliseconds() < 300; ++draws)
        ::PlayEnhMetaFile(canvas.DC()->m_hDC, metafile, &all);
    return timer.Milliseconds() * 1000.0 / draws;
}

unsigned DrawingMilliseconds(CPicture& picture, CCanvas& canvas, const std::string& what)
{
    const DWORD hangMilliseconds = 60000;
    Drawing drawing = {&picture, canvas.DC(), CRect(0, 0, canvas.Width(), canvas.Height()), 0};
    HANDLE thread = ::CreateThread(NULL, 0, DrawPicture, &drawing, 0, NULL);
    if (thread == NULL)
    {
        ADD_FAILURE() << "no thread to draw " << what;
        return 0;
    }
    if (::WaitForSingleObject(thread, hangMilliseconds) != WAIT_OBJECT_0)
    {
        ADD_FAILURE() << "drawing " << what << " did not end within " << hangMilliseconds / 1000 << " s";
        fflush(stdout);
        ::TerminateProcess(::GetCurrentProcess(), 3);
    }
    ::CloseHandle(thread);
    return drawing.milliseconds;
}
