// The picture cache: one decoded picture per file and option set, shared by
// counted references, kept while unused below the limit and dropped at it.
#include "output/pictures/CachedPicture.h"
#include "output/pictures/Picture.h"
#include "output/pictures/PictureCache.h"

#include "TestPictures.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace
{
class PictureCacheTest : public ::testing::Test
{
protected:
    PictureCacheTest() : m_folder("picture_cache")
    {
        InitPictureCache(2048);
        WriteBytes(m_folder / "small.bmp", MakeBmp(8, 8, 24, {}, [](int, int) {
                       return RGB(1, 2, 3);
                   }));
        WriteBytes(m_folder / "frame.emf", MakeEmf(RECT{0, 0, 1000, 1000}, [](HDC dc) {
                       ::Rectangle(dc, 0, 0, 10, 10);
                   }));
        // About 5 MB of pixels each.
        for (const char* name : {"big1.bmp", "big2.bmp"})
            WriteBytes(m_folder / name, MakeBmp(1400, 1400, 24, {}, [](int, int) {
                           return RGB(9, 9, 9);
                       }));
    }
    ~PictureCacheTest() override
    {
        FreePictureCache();
        InitPictureCache(2048);
    }
    std::string Path(const char* name) { return m_folder / name; }

    CScratchFolder m_folder;
};

PictureLoadOptions Options(int resolution = 96, double lightening = 0.0)
{
    PictureLoadOptions options = MakePictureLoadOptions(resolution, resolution);
    options.lightening = lightening;
    return options;
}
}

TEST_F(PictureCacheTest, LimitIsAQuarterOfPhysicalMemoryAndAtLeastEightMegabytes)
{
    const struct
    {
        DWORD physical, limitMB;
    } cases[] = {{2048, 512}, {16, 8}, {36, 9}, {0, 8}, {32, 8}, {40, 10}};
    for (auto& c : cases)
    {
        InitPictureCache(c.physical);
        EXPECT_EQ(GetPictureCacheLimit(), c.limitMB << 20) << c.physical;
    }
}

TEST_F(PictureCacheTest, SameFileAndOptionsShareOneSlotWhateverTheLetterCase)
{
    CCachedPicture first, second;
    ASSERT_TRUE(first.Load(Path("small.bmp").c_str(), Options()));
    std::string upper = Path("small.bmp");
    for (char& ch : upper)
        ch = (char)toupper((unsigned char)ch);
    ASSERT_TRUE(second.Load(upper.c_str(), Options()));
    EXPECT_EQ(first.GetSlot(), second.GetSlot());
    EXPECT_EQ(first.GetPicture(), second.GetPicture());
    EXPECT_EQ(GetPictureCacheReferenceCount(first.GetSlot()), 2);

    CCachedPicture copy(first);
    EXPECT_EQ(GetPictureCacheReferenceCount(first.GetSlot()), 3);
    copy = copy;
    EXPECT_EQ(GetPictureCacheReferenceCount(first.GetSlot()), 3);
    copy.Release();
    copy.Release();
    EXPECT_EQ(GetPictureCacheReferenceCount(first.GetSlot()), 2);
    EXPECT_TRUE(copy.GetPicture() == NULL);
}

TEST_F(PictureCacheTest, OptionsThatMatterToAKindTakeSlotsOfTheirOwn)
{
    CCachedPicture at96, at300, emfPlain, emfLight;
    ASSERT_TRUE(at96.Load(Path("small.bmp").c_str(), Options(96)));
    ASSERT_TRUE(at300.Load(Path("small.bmp").c_str(), Options(300)));
    EXPECT_NE(at96.GetSlot(), at300.GetSlot());
    ASSERT_TRUE(emfPlain.Load(Path("frame.emf").c_str(), Options(96, 0.0)));
    ASSERT_TRUE(emfLight.Load(Path("frame.emf").c_str(), Options(300, 0.5)));
    EXPECT_EQ(emfPlain.GetSlot(), emfLight.GetSlot());
    EXPECT_EQ(GetPictureCacheSlotCount(), 3);
}

TEST_F(PictureCacheTest, BelowTheLimitAnUnusedPictureIsKept)
{
    int loads = GetPictureCacheLoadCount();
    {
        CCachedPicture picture;
        ASSERT_TRUE(picture.Load(Path("small.bmp").c_str(), Options()));
    }
    EXPECT_GT(GetPictureCacheTotal(), 0u);
    CCachedPicture again;
    ASSERT_TRUE(again.Load(Path("small.bmp").c_str(), Options()));
    EXPECT_EQ(GetPictureCacheLoadCount(), loads + 1);
}

TEST_F(PictureCacheTest, AtTheLimitUnusedPicturesAreDropped)
{
    InitPictureCache(16); // 8 MB
    int loads = GetPictureCacheLoadCount();
    CCachedPicture big1;
    ASSERT_TRUE(big1.Load(Path("big1.bmp").c_str(), Options()));
    big1.Release(); // below the limit: kept
    EXPECT_GT(GetPictureCacheTotal(), 5u << 20);

    // A second big picture takes the cache over the limit: the unused first
    // one goes at once, and releasing the second drops it too.
    CCachedPicture big2;
    ASSERT_TRUE(big2.Load(Path("big2.bmp").c_str(), Options()));
    CCachedPicture small;
    ASSERT_TRUE(small.Load(Path("small.bmp").c_str(), Options()));
    EXPECT_LT(GetPictureCacheTotal(), 6u << 20);
    ASSERT_TRUE(big1.Load(Path("big1.bmp").c_str(), Options()));
    EXPECT_EQ(GetPictureCacheLoadCount(), loads + 4);
    big2.Release();
    EXPECT_LT(GetPictureCacheTotal(), 6u << 20);
    EXPECT_TRUE(big2.GetPicture() == NULL);
}

TEST_F(PictureCacheTest, AnUnusedMatchMovesToTheFirstFreeSlot)
{
    CCachedPicture first, second;
    ASSERT_TRUE(first.Load(Path("small.bmp").c_str(), Options()));
    ASSERT_TRUE(second.Load(Path("frame.emf").c_str(), Options()));
    EXPECT_EQ(second.GetSlot(), 1);
    first.Release();
    second.Release();
    ASSERT_TRUE(second.Load(Path("frame.emf").c_str(), Options()));
    EXPECT_EQ(second.GetSlot(), 0);
    EXPECT_EQ(GetPictureCacheSlotCount(), 2);
}

TEST_F(PictureCacheTest, AFileNoLoaderAcceptsAddsNoSlot)
{
    m_folder.WriteFile("notes.jpg", std::string(500, 'n'));
    CCachedPicture picture;
    EXPECT_FALSE(picture.Load(Path("notes.jpg").c_str(), Options()));
    EXPECT_FALSE(picture.Load("", Options()));
    EXPECT_EQ(picture.GetSlot(), -1);
    EXPECT_EQ(GetPictureCacheSlotCount(), 0);
}
