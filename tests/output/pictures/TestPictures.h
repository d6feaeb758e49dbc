#pragma once

// Pictures made by the tests themselves: BMP files of every depth, JPEG
// files (baseline, progressive, greyscale, CMYK) through the library's
// encoder, Windows and enhanced metafiles through the platform's metafile
// DCs; a canvas to draw on and read back; a buffer that ends at an
// inaccessible page, so that any read past the data faults.

#include "afx/app/AfxWin.h"
#include "support/PictureEncoding.h"
#include "support/TestCanvas.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

typedef std::vector<BYTE> Bytes;
typedef std::function<COLORREF(int x, int y)> PixelColour;

// A BMP file; palette depths (1, 4, 8) take the colours as their table and
// the pixel function answers indexes (as COLORREF values 0, 1, ...).
Bytes MakeBmp(int width, int height, int bitCount, const std::vector<COLORREF>& table, PixelColour pixel,
              bool topDown = false);

enum JpegKind
{
    JpegBaseline,
    JpegProgressive,
    JpegGrey,
    JpegCmyk
};
Bytes MakeJpeg(int width, int height, JpegKind kind, PixelColour pixel, int quality = 95);

// A placeable Windows metafile drawn by 'draw' in logical units inside a
// bounding box of width x height units at the given units per inch.
Bytes MakePlaceableWmf(int width, int height, int unitsPerInch, const std::function<void(HDC)>& draw);
// MakePlainWmf and MakeEmf come from support/PictureEncoding.h.

// Drawings for metafiles: through every record kind from which the player
// reads a bitmap (device-independent bitmaps, blits from a memory DC,
// pattern and monochrome pattern brushes); a region filled in RegionColour
// from (10, 10) to (60, 50).
void PaintBitmapRecords(HDC dc);
void PaintRegionRecords(HDC dc);
const COLORREF RegionColour = RGB(255, 0, 0);
// Through the records of curved and rounded shapes (arcs, chords, pies,
// round rectangles), dashed and wide pens, regions filled and framed;
// through world transforms set, multiplied on either side, saved and
// restored.
void PaintShapeRecords(HDC dc);
void PaintTransformRecords(HDC dc);
// Through a chart's mapping (anisotropic, y upwards, data units of very
// different sizes), a label with and one without a rectangle, a bitmap
// stretched small from part of a larger one, and arcs in boxes one unit high.
void PaintMappedRecords(HDC dc);
// A gradient of 'count' triangles over 96 x 96 units, on three vertices.
void GradientTriangles(HDC dc, int count);
// 'count' copies of a letter of Tahoma so many units high at one place.
void CopiesOfALetter(HDC dc, int count, int height, POINT at = {10, 10});

// The frame, in hundredths of a millimetre, of an enhanced metafile so many
// pixels of the screen (the recorder's reference device) across and down.
RECT FrameOfPixels(int width, int height);

// The offset of the first record of a kind in an enhanced metafile; 0 when
// there is none.
size_t FindEmfRecord(const Bytes& emf, DWORD type);
// The offset of the first record of a function in a placeable Windows
// metafile; 0 when there is none.
size_t FindWmfRecord(const Bytes& wmf, WORD function);

// Records of an enhanced metafile, each a type and the fields after its
// size, put before its end record; its handle table made at least 'handles'
// long.
typedef std::vector<DWORD> Fields;
typedef std::vector<std::pair<DWORD, Fields>> EmfRecords;
Bytes WithEmfRecords(Bytes emf, const EmfRecords& records, DWORD handles);

// An enhanced metafile of the frame that holds only the records.
Bytes EmfOfRecords(const RECT& frame, const EmfRecords& records = {}, DWORD handles = 0);
// The records as an enhanced metafile stores them.
Bytes EmfRecordBytes(const EmfRecords& records);
// Whole records put into an enhanced metafile at an offset, its header
// counting them.
Bytes WithEmfBytes(Bytes emf, size_t at, const Bytes& records, DWORD handles = 0);

// Records of a placeable Windows metafile, each a function and its
// parameters as words, put before its end record; its object table made at
// least 'objects' long.
typedef std::vector<WORD> Words;
typedef std::vector<std::pair<WORD, Words>> WmfRecords;
Bytes WithWmfRecords(Bytes wmf, const WmfRecords& records, WORD objects = 0);
// A placeable Windows metafile of width x height pixels that holds only the
// records.
Bytes WmfOfRecords(int width, int height, const WmfRecords& records, WORD objects = 0);

// Fields one after the other; a number as a record stores a float.
Fields Join(Fields first, const Fields& then);
DWORD FloatBits(float value);

template <typename T>
void Append(std::vector<T>& to, const void* from, size_t bytes)
{
    const T* items = (const T*)from;
    to.insert(to.end(), items, items + bytes / sizeof(T));
}

// A region written by hand: its bounds and its rectangles, in bands from the
// top, each band's from the left.
struct RegionShape
{
    RECT bounds;
    std::vector<RECT> rectangles;
};
// Cells of width x height units in columns and rows two units apart.
RegionShape GridOfCells(int columns, int rows, int width = 1, int height = 1);
// 'count' rectangles of a unit, one under another and stepping left and
// right, so that none joins the one above (each its own band).
RegionShape SteppingRectangles(DWORD count);
// The region as a record of an enhanced metafile holds it.
Fields RegionData(const RegionShape& region);
// A region record's fields: those before the region's size, the size, those
// after it, then the region.
Fields RegionRecord(const Fields& before, const Fields& after, const Fields& region);
// The region as a Windows metafile's region object, its scans the bands.
Words WmfRegion(const RegionShape& region);

bool WriteBytes(const std::string& path, const Bytes& bytes);
// The bytes as a sealed vector picture file (".vqf"), as the sealing tool
// writes it.
Bytes SealPicture(const Bytes& plain);

// A 32-bit drawing surface filled with one colour.
class CCanvas : public CTestCanvas
{
public:
    CCanvas(int width, int height, COLORREF fill = RGB(255, 255, 255));
    ~CCanvas();
    CDC* DC() { return &m_dc; }
    // The smallest rectangle holding every pixel that differs from 'colour'.
    CRect ExtentOfOther(COLORREF colour) const;
    // Saves the canvas as a PNG under build/screenshots/.
    void SaveScreenshot(const char* name) const;

private:
    CDC m_dc;
};

// Holds bytes flush against an inaccessible page.
class CGuardedBytes
{
public:
    explicit CGuardedBytes(const Bytes& bytes);
    ~CGuardedBytes();
    const BYTE* Data() const { return m_data; }
    DWORD Size() const { return m_size; }

private:
    BYTE* m_block;
    SIZE_T m_blockSize;
    const BYTE* m_data;
    DWORD m_size;
};

class CPicture;

// Draws the picture over the whole canvas on a thread of its own and answers
// the processor time the drawing took. A drawing that has not ended within
// a minute is taken for a hang: the test fails and the program ends, as the
// drawing thread cannot be stopped.
unsigned DrawingMilliseconds(CPicture& picture, CCanvas& canvas, const std::string& what);

// The platform's bare player's thread time over one draw of the enhanced
// metafile into a canvas of the size, in microseconds: played once to warm
// its caches (a font's glyphs), then repeated for 300 ms of thread time, so
// that the clock's steps (10 ms under this platform) do not decide.
double BareMicroseconds(const Bytes& emf, int width, int height);

// Plays the picture with the platform's own player where the program draws
// it over the canvas: an enhanced metafile stretched over it, a placeable
// metafile's box fitted in its proportion and centred.
void PlayOnThePlatform(const Bytes& bytes, CCanvas& canvas);
// The pixels of the part that differ between the canvases.
int DifferingPixels(const CCanvas& a, const CCanvas& b, const RECT& part);
// Whether the canvases are of one size and hold the same pixels (compared
// whole: DifferingPixels reads them one by one).
bool SamePixels(const CCanvas& a, const CCanvas& b);

// True when the two colours differ by at most 'tolerance' in every channel.
bool Near(COLORREF a, COLORREF b, int tolerance);
