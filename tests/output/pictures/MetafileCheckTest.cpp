// Metafiles that the platform's player would crash or hang on are refused
// when they are loaded (plain and sealed); metafiles that the platform itself
// records with regions and monochrome pattern brushes load and draw.
#include "output/pictures/Picture.h"

#include "TestPictures.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

namespace
{
const RECT Frame = {0, 0, 2000, 1600};

void Put(Bytes& bytes, size_t at, DWORD value)
{
    std::memcpy(&bytes[at], &value, 4);
}

bool Loads(const Bytes& bytes)
{
    CGuardedBytes guarded(bytes);
    CPicture picture;
    return picture.LoadFromMemory(guarded.Data(), guarded.Size(), MakePictureLoadOptions(96, 96)) != FALSE;
}

bool LoadsSealed(const Bytes& bytes)
{
    CScratchFolder folder("sealed_metafile");
    const std::string path = folder / "picture.vqf";
    EXPECT_TRUE(WriteBytes(path, SealPicture(bytes)));
    CPicture picture;
    return picture.Load(path.c_str(), MakePictureLoadOptions(96, 96)) != FALSE;
}

// Draws the picture on a white canvas and counts the pixels that are not white.
int DrawnPixels(const Bytes& bytes, CCanvas& canvas)
{
    CPicture picture;
    if (!picture.LoadFromMemory(bytes.data(), (DWORD)bytes.size(), MakePictureLoadOptions(96, 96)))
        return -1;
    CRect all(0, 0, canvas.Width(), canvas.Height());
    picture.Draw(canvas.DC(), all, all, CPoint(0, 0));
    return canvas.Width() * canvas.Height() - canvas.Count(RGB(255, 255, 255));
}
}

TEST(MetafileCheckTest, RecordedBitmapsAndMonochromeBrushesLoadAndDraw)
{
    const Bytes emf = MakeEmf(Frame, PaintBitmapRecords);
    ASSERT_NE(FindEmfRecord(emf, EMR_CREATEMONOBRUSH), 0u);
    CCanvas canvas(64, 48);
    EXPECT_GT(DrawnPixels(emf, canvas), 0);
    canvas.SaveScreenshot("metafile_bitmaps");
}

// The Windows metafile that the platform records for the same drawing:
// stretched and plain device-independent bitmaps, blits from a memory DC and
// pattern brushes, each record with its bitmap.
TEST(MetafileCheckTest, RecordedWindowsMetafileBitmapsLoadAndDraw)
{
    CCanvas canvas(64, 48);
    EXPECT_GT(DrawnPixels(MakePlaceableWmf(64, 48, 96, PaintBitmapRecords), canvas), 0);
    canvas.SaveScreenshot("metafile_wmf_bitmaps");
}

// A pattern brush whose bitmap header claims more pixels than its record
// holds is refused, whatever the brush's style says.
TEST(MetafileCheckTest, PatternBrushBitmapsLargerThanTheirRecordAreRefused)
{
    const Bytes good = MakePlaceableWmf(64, 48, 96, PaintBitmapRecords);
    ASSERT_TRUE(Loads(good));
    // Placeable header, metafile header, then records: size in words, function, parameters.
    size_t at = 22 + 18;
    int patterns = 0;
    while (at + 6 <= good.size() && *(const WORD*)&good[at + 4] != 0)
    {
        if (*(const WORD*)&good[at + 4] == META_DIBCREATEPATTERNBRUSH)
        {
            SCOPED_TRACE(*(const WORD*)&good[at + 6]); // the brush's style
            Bytes bytes = good;
            BITMAPINFOHEADER* header = (BITMAPINFOHEADER*)&bytes[at + 10];
            ASSERT_EQ(header->biSize, sizeof(BITMAPINFOHEADER));
            header->biWidth = 2000;
            header->biHeight = 256;
            header->biSizeImage = 0;
            EXPECT_FALSE(Loads(bytes));
            ++patterns;
        }
        at += 2 * *(const DWORD*)&good[at];
    }
    EXPECT_EQ(patterns, 2); // one of a device-independent bitmap, one of a monochrome bitmap
}

TEST(MetafileCheckTest, RecordedRegionsLoadAndDraw)
{
    CCanvas canvas(100, 80);
    EXPECT_GT(DrawnPixels(MakePlaceableWmf(100, 80, 96, PaintRegionRecords), canvas), 0);
    EXPECT_EQ(canvas.At(30, 30), RegionColour);
    EXPECT_EQ(canvas.At(80, 70), RGB(255, 255, 255));
    canvas.SaveScreenshot("metafile_region");
}

// A record with an empty bitmap header whose offset points far outside: the
// player reads a header there all the same.
TEST(MetafileCheckTest, EmptyBitmapHeadersThatThePlayerReadsAreRefused)
{
    const Bytes good = MakeEmf(Frame, PaintBitmapRecords);
    ASSERT_TRUE(Loads(good));
    const struct
    {
        DWORD type;
        size_t offBmi;
    } records[] = {
        {EMR_STRETCHDIBITS, offsetof(EMRSTRETCHDIBITS, offBmiSrc)},
        {EMR_SETDIBITSTODEVICE, offsetof(EMRSETDIBITSTODEVICE, offBmiSrc)},
        {EMR_BITBLT, offsetof(EMRBITBLT, offBmiSrc)},
        {EMR_STRETCHBLT, offsetof(EMRSTRETCHBLT, offBmiSrc)},
        {EMR_CREATEDIBPATTERNBRUSHPT, offsetof(EMRCREATEDIBPATTERNBRUSHPT, offBmi)},
        {EMR_CREATEMONOBRUSH, offsetof(EMRCREATEMONOBRUSH, offBmi)},
    };
    for (const auto& record : records)
    {
        Bytes bytes = good;
        const size_t at = FindEmfRecord(bytes, record.type);
        ASSERT_NE(at, 0u) << record.type;
        Put(bytes, at + record.offBmi, 0x7FFFFFF0);
        Put(bytes, at + record.offBmi + 4, 0);
        EXPECT_FALSE(Loads(bytes)) << "record " << record.type;
    }
}

// Records after the first end record are played too: one that creates an
// object far outside the handle table is refused, plain or sealed.
TEST(MetafileCheckTest, RecordsAfterTheEndRecordAreChecked)
{
    Bytes bytes = MakeEmf(Frame, PaintBitmapRecords);
    ASSERT_TRUE(LoadsSealed(bytes));
    EMRCREATEPEN pen = {};
    pen.emr.iType = EMR_CREATEPEN;
    pen.emr.nSize = sizeof(pen);
    pen.ihPen = 0x7FFF0000;
    const BYTE* record = (const BYTE*)&pen;
    bytes.insert(bytes.end(), record, record + sizeof(pen));
    Put(bytes, offsetof(ENHMETAHEADER, nBytes), (DWORD)bytes.size());
    Put(bytes, offsetof(ENHMETAHEADER, nRecords), *(const DWORD*)&bytes[offsetof(ENHMETAHEADER, nRecords)] + 1);
    EXPECT_FALSE(Loads(bytes));
    EXPECT_FALSE(LoadsSealed(bytes));
}

// Sizes no picture can mean make the player draw for ever.
TEST(MetafileCheckTest, AbsurdHeaderSizesAreRefused)
{
    const Bytes good = MakeEmf(Frame, PaintBitmapRecords);
    const struct
    {
        size_t at;
        DWORD value;
    } damages[][2] = {
        {{offsetof(ENHMETAHEADER, szlMillimeters.cy), 0x7FFFFFFF}, {offsetof(ENHMETAHEADER, nHandles), 32767}},
        {{offsetof(ENHMETAHEADER, szlMillimeters.cy), 0x7FFFFFFF}},
        {{offsetof(ENHMETAHEADER, szlMillimeters.cx), 0}},
        {{offsetof(ENHMETAHEADER, szlDevice.cx), 0x7FFFFFFF}},
        {{offsetof(ENHMETAHEADER, szlDevice.cy), 0}},
        {{offsetof(ENHMETAHEADER, rclFrame.right), 0x7FFFFFFF}},
        {{offsetof(ENHMETAHEADER, rclFrame.top), 0x80000000}},
        {{offsetof(ENHMETAHEADER, nHandles), 32767}},
    };
    for (const auto& damage : damages)
    {
        Bytes bytes = good;
        for (const auto& field : damage)
            if (field.at != 0)
                Put(bytes, field.at, field.value);
        EXPECT_FALSE(Loads(bytes)) << "field at " << damage[0].at;
    }
}
