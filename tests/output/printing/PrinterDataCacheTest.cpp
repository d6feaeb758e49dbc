#include "output/printing/PrinterDataCache.h"

#include <gtest/gtest.h>

#include "foundation/windows/GlobalBlocks.h"
#include "output/printing/PrinterAccess.h"
#include "output/printing/PrinterData.h"
#include "output/printing/PrinterPaperConfig.h"

namespace
{
CDecimal Inches(double value)
{
    CDecimal decimal(8);
    decimal.SetValue(value);
    return decimal;
}

// The cache holds printer data, so these need the test run's printer.
class PrinterDataCacheTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FreePrinterDataCache();
        CPrinterData* data = GetPrinterData(m_configs[0], 0, NULL);
        if (data == NULL)
            GTEST_SKIP() << "no printer";
        ReleasePrinterData(data);
        FreePrinterDataCache();
        for (int i = 0; i < 4; ++i)
            m_configs[i].m_topMargin = Inches(0.5 + 0.1 * i);
    }
    void TearDown() override { FreePrinterDataCache(); }
    int UseCount(int index)
    {
        int count = -1;
        GetCachedPrinterData(index, &count);
        return count;
    }

    CPrinterPaperConfig m_configs[4];
};

TEST_F(PrinterDataCacheTest, ARepeatedRequestSwapsItsEntryToTheFront)
{
    CPrinterData* data[4];
    for (int i = 0; i < 4; ++i)
        data[i] = GetPrinterData(m_configs[i], 0, NULL);
    ASSERT_EQ(4, GetPrinterDataCacheSize());
    EXPECT_EQ(data[3], GetCachedPrinterData(0, NULL));
    EXPECT_EQ(data[0], GetCachedPrinterData(3, NULL));

    CPrinterPaperConfig equal;
    equal.m_topMargin = Inches(0.5);
    EXPECT_EQ(data[0], GetPrinterData(equal, 0, NULL));
    EXPECT_EQ(data[0], GetCachedPrinterData(0, NULL)); // swapped, not shifted
    EXPECT_EQ(data[2], GetCachedPrinterData(1, NULL));
    EXPECT_EQ(data[1], GetCachedPrinterData(2, NULL));
    EXPECT_EQ(data[3], GetCachedPrinterData(3, NULL));
    EXPECT_EQ(2, UseCount(0));
    CPrinterData* otherMode = GetPrinterData(equal, 1, NULL);
    EXPECT_NE(data[0], otherMode); // another mode is another entry
    EXPECT_EQ(5, GetPrinterDataCacheSize());

    // The print area follows the margins.
    EXPECT_EQ(data[0]->m_pageRect.top + (int)(data[0]->m_yResolution * 0.5 + 0.5), data[0]->m_printArea.top);
    EXPECT_EQ(data[3]->m_pageRect.top + (int)(data[3]->m_yResolution * 0.8 + 0.5), data[3]->m_printArea.top);
    for (CPrinterData* held : data)
        ReleasePrinterData(held);
    ReleasePrinterData(data[0]);
    ReleasePrinterData(otherMode);
}

TEST_F(PrinterDataCacheTest, FreeingKeepsWhatIsHeldAndReleasesSurviveADoubleRelease)
{
    CPrinterData* held = GetPrinterData(m_configs[0], 0, NULL);
    CPrinterData* released = GetPrinterData(m_configs[1], 0, NULL);
    ASSERT_NE(nullptr, held);
    ReleasePrinterData(released);
    ReleasePrinterData(released); // a second release changes nothing
    ReleasePrinterData(NULL);
    int stranger = 0;
    ReleasePrinterData(reinterpret_cast<CPrinterData*>(&stranger));
    EXPECT_EQ(0, UseCount(0));
    EXPECT_EQ(1, UseCount(1));
    EXPECT_GT(CachedPaperNames().GetCount(), 0);

    FreePrinterDataCache();
    ASSERT_EQ(1, GetPrinterDataCacheSize());
    EXPECT_EQ(held, GetCachedPrinterData(0, NULL));
    EXPECT_EQ(0, CachedPaperNames().GetCount());
    EXPECT_EQ(0, CachedTrayNames().GetCount());
    ReleasePrinterData(held);
}

TEST_F(PrinterDataCacheTest, DeviceModesAreCheckedAndNeverChanged)
{
    CString driver, name, port;
    ASSERT_TRUE(GetDefaultPrinterInfo(&driver, &name, &port));
    CPrinterPaperConfig named;
    named.m_driverName = driver;
    named.m_printerName = name;
    named.m_portName = port;
    named.m_devMode = GetPrinterDevMode(name);
    ASSERT_NE((HGLOBAL)NULL, named.m_devMode);
    named.m_landscape = 1;
    HGLOBAL before = CopyGlobalBlock(named.m_devMode);
    CString error;
    CPrinterData* data = GetPrinterData(named, 0, &error);
    ASSERT_NE(nullptr, data) << (LPCTSTR)error;
    EXPECT_TRUE(CompareGlobalBlocks(before, named.m_devMode)); // the orientation went into a copy
    EXPECT_NE(-1, data->m_paperDescription.Find("landscape"));
    EXPECT_GT(data->m_pageRect.right - data->m_pageRect.left, 0);
    ReleasePrinterData(data);
    FreeGlobalBlock(&before);

    // A stored device mode shorter than its header is refused before use.
    int entries = GetPrinterDataCacheSize();
    BYTE scraps[] = {'K', 'e', 's', 0, 0, 0, 0};
    named.ReleaseDevMode();
    named.m_devMode = NewGlobalBlock(scraps, sizeof(scraps));
    EXPECT_EQ(nullptr, GetPrinterData(named, 0, &error));
    EXPECT_STREQ("can't access printer data settings", error);
    EXPECT_EQ(entries, GetPrinterDataCacheSize());
}
} // namespace
